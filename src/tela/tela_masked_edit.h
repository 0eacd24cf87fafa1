// Edit fields that take typing only as a mask allows, one mask character per position
// (see TelaInputRule for the mask characters).
#pragma once

#include "tela_edit.h"

class TelaMaskedEdit : public TelaEdit {
    Q_OBJECT
public:
    explicit TelaMaskedEdit(QWidget* parent = nullptr);
    // The separator is the character that joins this field's value to the next one's in
    // the text it is part of (the period of a qualified name): typing it moves on to the
    // next field instead of entering it.
    TelaMaskedEdit(const QString& mask, QChar separator, QWidget* parent = nullptr);

    void setMask(const QString& mask, QChar separator);
    QString mask() const;
    QChar separator() const { return m_separator; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QChar m_separator;
};

// A masked edit for an SNA type A name: a letter or national character, then up to seven
// letters, digits or national characters.
class TelaTypeAEdit : public TelaMaskedEdit {
    Q_OBJECT
public:
    explicit TelaTypeAEdit(QWidget* parent = nullptr);
};
