#include "command_line.h"

QString filePathFromArguments(const QStringList& arguments) {
    QString path = arguments.join(QLatin1Char(' '));
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2);
    return path;
}
