#include "tela_combo_box.h"

#include "tela_edit.h"
#include "tela_input_rule.h"
#include "tela_sorted.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <utility>

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
    const int at =
        m_sorted ? telaSortedPlace(count(), text, [this](int i) { return itemText(i); }) : count();
    insertItem(at, text);
    return at;
}

void TelaComboBox::AddStrings(QStringList texts) {
    telaAddStrings(*this, m_sorted, std::move(texts));
}

void TelaComboBox::SetCurSel(int index) {
    setCurrentIndex(index);
    if (index < 0 && isEditable())
        setEditText(QString());
}

int TelaComboBox::entriesWidth() const {
    const QFontMetrics metrics = fontMetrics();
    // An empty box keeps room for a few letters, as Qt's own size hint does.
    int text = count() == 0 ? 7 * metrics.horizontalAdvance(QLatin1Char('x')) : 0;
    for (int i = 0; i < count(); ++i)
        text = std::max(text, metrics.boundingRect(itemText(i)).width());
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()
        ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(text, metrics.height()), this)
        .width();
}
