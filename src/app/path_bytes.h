// File names are bytes on Linux, and need not be UTF-8. Qt's own conversion replaces a byte
// that is not UTF-8 by U+FFFD, and such a name could then not be opened again; these two
// keep every byte: one that is not part of valid UTF-8 becomes U+DC80 + byte (a lone low
// surrogate, which no valid text holds) and turns back into that byte.
#pragma once

#include <QByteArray>
#include <QString>

QString pathFromBytes(const QByteArray& bytes);
QByteArray bytesFromPath(const QString& path);
