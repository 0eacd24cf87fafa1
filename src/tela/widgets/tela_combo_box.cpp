#include "tela_combo_box.h"

#include "tela_input_rule.h"
#include "tela_sorted.h"

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

int TelaComboBox::AddString(const QString& text) {
    const int at =
        m_sorted ? telaSortedPlace(count(), text, [this](int i) { return itemText(i); }) : count();
    insertItem(at, text);
    return at;
}

void TelaComboBox::AddStrings(QStringList texts) {
    if (!m_sorted || count() > 0) {
        for (const QString& text : texts)
            AddString(text);
        return;
    }
    telaSort(texts);
    addItems(texts);
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
