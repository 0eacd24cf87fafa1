#include "path_bytes.h"

#include <QFile>
#include <QStringList>

#include <memory>
#include <optional>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at the start of s, or 0.
int validSequence(const unsigned char* s, qsizetype left) {
    const unsigned char lead = s[0];
    int length = lead < 0x80                    ? 1
                 : lead >= 0xC2 && lead <= 0xDF ? 2
                 : (lead & 0xF0) == 0xE0        ? 3
                 : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                : 0;
    if (length == 0 || length > left)
        return 0;
    for (int i = 1; i < length; ++i)
        if ((s[i] & 0xC0) != 0x80)
            return 0;
    // Overlong forms, surrogates and code points above U+10FFFF are not valid either.
    if ((lead == 0xE0 && s[1] < 0xA0) || (lead == 0xED && s[1] >= 0xA0) ||
        (lead == 0xF0 && s[1] < 0x90) || (lead == 0xF4 && s[1] >= 0x90))
        return 0;
    return length;
}

// The one entry of folder whose name Qt shows as shown.
std::optional<QByteArray> entryShownAs(const QByteArray& folder, const QString& shown) {
    std::optional<QByteArray> match;
#ifdef Q_OS_UNIX
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(
        ::opendir(folder.isEmpty() ? "." : folder.constData()), &::closedir);
    if (!dir)
        return match;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (QFile::decodeName(name) != shown)
            continue;
        if (match)
            return std::nullopt;
        match = name;
    }
#else
    Q_UNUSED(folder);
    Q_UNUSED(shown);
#endif
    return match;
}

} // namespace

QString pathFromBytes(const QByteArray& bytes) {
    QString path;
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype at = 0; at < bytes.size();) {
        const int length = validSequence(s + at, bytes.size() - at);
        if (length == 0) {
            path.append(QChar(char16_t(kEscapeBase + s[at])));
            ++at;
            continue;
        }
        path.append(QString::fromUtf8(bytes.constData() + at, length));
        at += length;
    }
    return path;
}

QByteArray bytesFromPath(const QString& path) {
    QByteArray bytes;
    QString run; // valid text waiting to be encoded
    for (QChar c : path) {
        const char16_t u = c.unicode();
        if (u >= kEscapeBase + 0x80 && u <= kEscapeBase + 0xFF) {
            bytes.append(run.toUtf8());
            run.clear();
            bytes.append(static_cast<char>(u - kEscapeBase));
        } else {
            run.append(c);
        }
    }
    bytes.append(run.toUtf8());
    return bytes;
}

QString pathForDialog(const QString& path) {
    return QFile::decodeName(bytesFromPath(path));
}

QString pathFromDialog(const QString& shown) {
    if (!shown.contains(QChar::ReplacementCharacter))
        return shown;
    QByteArray bytes = shown.startsWith(QLatin1Char('/')) ? QByteArray("/") : QByteArray();
    for (const QString& part : shown.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        std::optional<QByteArray> name;
        if (part.contains(QChar::ReplacementCharacter))
            name = entryShownAs(bytes, part);
        if (!bytes.isEmpty() && !bytes.endsWith('/'))
            bytes += '/';
        bytes += name ? *name : QFile::encodeName(part);
    }
    return pathFromBytes(bytes);
}
