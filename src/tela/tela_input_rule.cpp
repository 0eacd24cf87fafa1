#include "tela_input_rule.h"

#include <QLineEdit>

TelaInputRule::TelaInputRule(QLineEdit* edit) : QValidator(edit) {
    // The edit already holds the changed text while it is judged; remember what it showed.
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_shownLength = text.size(); });
}

QValidator::State TelaInputRule::validate(QString& input, int& /*pos*/) const {
    if (!m_judging)
        return Acceptable;
    if (m_upperCase)
        input = toUpperLatin1(input);
    if (accepts(input))
        return Acceptable;
    // Shortening is always allowed, so that a value that came from the file too long or
    // with odd characters can be corrected by hand.
    return input.size() < m_shownLength ? Intermediate : Invalid;
}

bool TelaInputRule::accepts(const QString& text) const {
    if (m_limit > 0 && text.size() > m_limit)
        return false;
    if (!m_mask.isEmpty() && text.size() > m_mask.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // The configuration file holds single bytes; anything else could not be stored.
        if (c.unicode() > 0xFF || c.unicode() < 0x20)
            return false;
        if (!m_mask.isEmpty() && !matchesMaskChar(m_mask.at(i), c))
            return false;
    }
    return true;
}

bool TelaInputRule::matchesMaskChar(QChar mask, QChar c) {
    const char16_t u = c.unicode();
    const bool letter = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
    const bool national = u == '@' || u == '#' || u == '$';
    const bool digit = u >= '0' && u <= '9';
    switch (mask.unicode()) {
    case '2':
        return letter || national;
    case 'S':
        return letter || national || digit;
    default:
        return c == mask;
    }
}

QString TelaInputRule::toUpperLatin1(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        const QChar upper = c.toUpper();
        if (upper.unicode() <= 0xFF)
            c = upper;
    }
    return out;
}
