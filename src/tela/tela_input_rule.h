// What an edit field lets the user type: a length limit, capitals only, a character mask.
// The rule judges the text an edit would have after a keystroke, a paste or a drop. Text
// set by the program is not judged (the edit turns judging off for it), so a longer value
// read from a file is shown in full; the user may always shorten it.
#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

class TelaInputRule : public QValidator {
    Q_OBJECT
public:
    // The rule follows this edit's text to tell shortening from typing.
    explicit TelaInputRule(QLineEdit* edit);

    void setLimit(int limit) { m_limit = limit; } // 0: no limit
    int limit() const { return m_limit; }
    void setUpperCase(bool on) { m_upperCase = on; }
    bool upperCase() const { return m_upperCase; }
    void setMask(const QString& mask) { m_mask = mask; }
    // While off, every text passes: the program's own texts are shown as they are.
    void setJudging(bool on) { m_judging = on; }
    const QString& mask() const { return m_mask; }

    State validate(QString& input, int& pos) const override;

    // Whether text fits the limit, the mask and the file's single-byte characters.
    bool accepts(const QString& text) const;

    // Mask characters: "2" is the first character of an SNA type A name (a letter or one
    // of the national characters @ # $), "S" a further one (a letter, a digit or @ # $).
    // Letters of either case pass, so that the upper-case style can turn them into
    // capitals; the name checks behind the sheets refuse what is still wrong. Any other
    // mask character stands for itself.
    static bool matchesMaskChar(QChar mask, QChar c);

    // Capitals of the single-byte characters; letters without a single-byte capital stay.
    static QString toUpperLatin1(const QString& text);

private:
    qsizetype m_shownLength = 0; // of the edit's text before the change being judged
    int m_limit = 0;
    bool m_upperCase = false;
    bool m_judging = true;
    QString m_mask;
};
