#include "tela_edit.h"

#include "tela_input_rule.h"

#include <QKeyEvent>

namespace {

// Judging is on while a user's action is handled, whatever way the handler is left.
class UserAction {
public:
    explicit UserAction(TelaInputRule& rule) : m_rule(rule) { m_rule.setJudging(true); }
    ~UserAction() { m_rule.setJudging(false); }
    UserAction(const UserAction&) = delete;
    UserAction& operator=(const UserAction&) = delete;

private:
    TelaInputRule& m_rule;
};

} // namespace

TelaEdit::TelaEdit(QWidget* parent) : QLineEdit(parent), m_rule(new TelaInputRule(this)) {
    m_rule->setJudging(false);
    setValidator(m_rule);
}

bool telaIsMenuKey(const QKeyEvent* event) {
    // Alt with a letter is a mnemonic or a menu; when no label or menu takes it, the line
    // edit would still insert the letter (it refuses Ctrl only). Ctrl+Alt is AltGr on some
    // keyboards and types the characters printed on the keys.
    const Qt::KeyboardModifiers mods = event->modifiers();
    return (mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) && !event->text().isEmpty();
}

void TelaEdit::keyPressEvent(QKeyEvent* event) {
    if (telaIsMenuKey(event)) {
        event->ignore();
        return;
    }
    const UserAction user(*m_rule);
    QLineEdit::keyPressEvent(event);
}

void TelaEdit::inputMethodEvent(QInputMethodEvent* event) {
    const UserAction user(*m_rule);
    QLineEdit::inputMethodEvent(event);
}

void TelaEdit::dropEvent(QDropEvent* event) {
    const UserAction user(*m_rule);
    QLineEdit::dropEvent(event);
}

void TelaEdit::contextMenuEvent(QContextMenuEvent* event) {
    const UserAction user(*m_rule); // Paste from the menu
    QLineEdit::contextMenuEvent(event);
}

void TelaEdit::setLimit(int limit) {
    m_rule->setLimit(limit);
}

int TelaEdit::limit() const {
    return m_rule->limit();
}

void TelaEdit::setUpperCase(bool on) {
    m_rule->setUpperCase(on);
}

bool TelaEdit::upperCase() const {
    return m_rule->upperCase();
}
