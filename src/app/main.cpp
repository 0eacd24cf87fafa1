// apicfg: the editor for the configuration file of the SNA API client.
#include "cfg_app.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication::setOrganizationName(QStringLiteral("apicfg"));
    QApplication::setApplicationName(QStringLiteral("apicfg"));
    QApplication qapp(argc, argv);

    CCfgApp app;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    CCfgApp::Options options;
    options.programDir = QApplication::applicationDirPath();
    if (app.InitInstance(arguments, options) == CCfgApp::Start::AnotherInstance)
        return 0;
    return qapp.exec();
}
