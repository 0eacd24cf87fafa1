// Runs the single-instance layer as the editor does and reports on stdout: its state
// ("primary", "secondary", "failed"), then "activated" for every request to come forward.
// It ends when its standard input closes, or after the seconds given as its argument.
#include "single_instance.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {
void say(const char* text) {
    std::printf("%s\n", text);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString key = qEnvironmentVariable("APICFG_PROBE_KEY", QStringLiteral("apicfg-probe"));
    SingleInstance instance(key);
    switch (instance.start()) {
    case SingleInstance::State::Secondary:
        say("secondary");
        return 0;
    case SingleInstance::State::Failed:
        say("failed");
        break;
    case SingleInstance::State::Primary:
        say("primary");
        break;
    }
    QObject::connect(&instance, &SingleInstance::activationRequested, [] { say("activated"); });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&app] {
        char c = 0;
        if (::read(STDIN_FILENO, &c, 1) <= 0)
            app.quit();
    });
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 30;
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
