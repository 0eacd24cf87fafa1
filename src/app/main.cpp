// apicfg: the editor for the configuration file of the SNA API client.
#include "cfg_app.h"
#include "font_setup.h"
#include "start_command.h"

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

int main(int argc, char* argv[]) {
    // --help and --version answer before anything else starts: no display, no window.
    const StartCommand command = readStartCommand(std::vector<std::string>(argv + 1, argv + argc));
    if (command.action == StartCommand::Action::Help) {
        std::fputs(startUsageText().c_str(), stdout);
        return 0;
    }
    if (command.action == StartCommand::Action::Version) {
        std::fputs(startVersionText().c_str(), stdout);
        return 0;
    }

    // The fonts are gathered on a second thread meanwhile (font_setup.h).
    std::jthread fontConfiguration = readFontConfiguration();

    // Qt takes its options from the words before "--" only: a file after it is never one.
    std::vector<char*> qtArguments(argv, argv + 1 + command.qtWords.size());
    int qtCount = static_cast<int>(qtArguments.size());
    qtArguments.push_back(nullptr);
    QApplication::setOrganizationName(QStringLiteral("apicfg"));
    QApplication::setApplicationName(QStringLiteral("apicfg"));
    QApplication qapp(qtCount, qtArguments.data());
    const std::jthread fonts = fillFontDatabase(std::move(fontConfiguration));

    // A file size limit (ulimit -f) makes a save fail with a message instead of ending the
    // editor.
    std::signal(SIGXFSZ, SIG_IGN);

    std::string unknown;
    const std::string file = startFilePath(
        std::vector<std::string>(qtArguments.begin() + 1, qtArguments.begin() + qtCount),
        command.fileWords, unknown);
    if (!unknown.empty()) {
        std::fprintf(stderr, "apicfg: unknown option %s\nTry 'apicfg --help'.\n", unknown.c_str());
        return 2;
    }
    CCfgApp app;
    CCfgApp::Options options;
    options.programDir = QApplication::applicationDirPath();
    if (app.InitInstance(file, options) == CCfgApp::Start::AnotherInstance)
        return 0;
    return qapp.exec();
}
