// The command line: one optional file path, quoted or not, with blanks allowed.
#pragma once

#include <QString>
#include <QStringList>

// The file path named by the arguments after the program's name, or the empty text. The
// arguments are one path: split at blanks by the shell, they are joined again with one blank,
// and one pair of surrounding double quotes is removed.
QString filePathFromArguments(const QStringList& arguments);
