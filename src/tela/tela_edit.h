// A plain edit field with the styles the sheets give their fields: a typing limit and
// capitals only. Text is set and read through the platform's edit operations.
#pragma once

#include <QLineEdit>

class QKeyEvent;
class TelaInputRule;

// Whether a key press is Alt with a character: a mnemonic or a menu key, never typing.
bool telaIsMenuKey(const QKeyEvent* event);

class TelaEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TelaEdit(QWidget* parent = nullptr);

    // Typing beyond the limit is refused; a longer text set by the program stays whole.
    void setLimit(int limit);
    int limit() const;
    void setUpperCase(bool on);
    bool upperCase() const;

protected:
    // What the user does is judged by the rule; what the program sets is not.
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

    TelaInputRule& rule() { return *m_rule; }
    const TelaInputRule& rule() const { return *m_rule; }

private:
    TelaInputRule* m_rule; // a child of this edit
};
