#include "tela_combo_box.h"

#include "tela_edit.h"
#include "tela_input_rule.h"

#include <QKeyEvent>
#include <QLineEdit>

TelaComboBox::TelaComboBox(QWidget* parent) : QComboBox(parent) {
    // The sheets decide what is in the list; Enter in the field must not add to it.
    setInsertPolicy(QComboBox::NoInsert);
}

void TelaComboBox::setUpperCase(bool on) {
    QLineEdit* edit = lineEdit();
    if (!edit)
        return;
    if (!m_rule) {
        m_rule = new TelaInputRule(edit);
        edit->setValidator(m_rule);
    }
    m_rule->setUpperCase(on);
}

void TelaComboBox::keyPressEvent(QKeyEvent* event) {
    if (telaIsMenuKey(event)) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

int TelaComboBox::AddString(const QString& text) {
    int at = count();
    if (m_sorted) {
        at = 0;
        while (at < count() && itemText(at).compare(text, Qt::CaseInsensitive) <= 0)
            ++at;
    }
    insertItem(at, text);
    return at;
}

int TelaComboBox::FindString(int start, const QString& prefix) const {
    const int n = count();
    for (int step = 1; step <= n; ++step) {
        const int i = ((start < 0 ? -1 : start) + step) % n;
        if (itemText(i).startsWith(prefix, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

int TelaComboBox::SelectString(int start, const QString& prefix) {
    const int found = FindString(start, prefix);
    SetCurSel(found);
    return found;
}

void TelaComboBox::SetCurSel(int index) {
    setCurrentIndex(index);
    if (index < 0 && isEditable())
        setEditText(QString());
}
