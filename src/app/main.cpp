// apicfg: the editor for the configuration file of the SNA API client.
#include "cfg_app.h"
#include "path_bytes.h"

#include <QApplication>

#include <csignal>

int main(int argc, char* argv[]) {
    QApplication::setOrganizationName(QStringLiteral("apicfg"));
    QApplication::setApplicationName(QStringLiteral("apicfg"));
    QApplication qapp(argc, argv);

    // A file size limit (ulimit -f) makes a save fail with a message instead of ending the
    // editor.
    std::signal(SIGXFSZ, SIG_IGN);

    CCfgApp app;
    // The file name as the bytes it was given in: QApplication::arguments() would replace a
    // byte that is not UTF-8, and the file could not be opened.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(pathFromBytes(QByteArray(argv[i])));
    CCfgApp::Options options;
    options.programDir = QApplication::applicationDirPath();
    if (app.InitInstance(arguments, options) == CCfgApp::Start::AnotherInstance)
        return 0;
    return qapp.exec();
}
