#include "tela_masked_edit.h"

#include "tela_input_rule.h"

#include <QKeyEvent>

TelaMaskedEdit::TelaMaskedEdit(QWidget* parent) : TelaEdit(parent) {}

TelaMaskedEdit::TelaMaskedEdit(const QString& mask, QChar separator, QWidget* parent)
    : TelaEdit(parent) {
    setMask(mask, separator);
}

void TelaMaskedEdit::setMask(const QString& mask, QChar separator) {
    rule().setMask(mask);
    m_separator = separator;
}

QString TelaMaskedEdit::mask() const {
    return rule().mask();
}

void TelaMaskedEdit::keyPressEvent(QKeyEvent* event) {
    if (!m_separator.isNull() && event->text() == QString(m_separator)) {
        focusNextChild();
        event->accept();
        return;
    }
    TelaEdit::keyPressEvent(event);
}

TelaTypeAEdit::TelaTypeAEdit(QWidget* parent)
    : TelaMaskedEdit(QStringLiteral("2SSSSSSS"), QLatin1Char('.'), parent) {}
