// File names are bytes on Linux, and need not be UTF-8. Qt's own conversion replaces a byte
// that is not UTF-8 by U+FFFD, and such a name could then not be opened again; these two
// keep every byte: one that is not part of valid UTF-8 becomes U+DC80 + byte (a lone low
// surrogate, which no valid text holds) and turns back into that byte.
#pragma once

#include <QByteArray>
#include <QString>

QString pathFromBytes(const QByteArray& bytes);
QByteArray bytesFromPath(const QString& path);

// Qt's file dialogs show a byte that is not UTF-8 as U+FFFD. pathForDialog gives a path as
// a dialog can show it; pathFromDialog turns a dialog's answer back into the file's own
// name, each part the system does not know looked up among its folder's entries by the
// name the dialog showed for it (a part that two entries would show alike stays as shown).
QString pathForDialog(const QString& path);
QString pathFromDialog(const QString& shown);
