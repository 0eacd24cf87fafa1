// The GUI tests share one application object. Settings go to a folder of this run, and the
// single-instance socket to a runtime folder of this run, so that nothing of the user's is
// touched and no running editor is reached.
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Headless, on a screen of a common size, so that the windows' fit on it is tested; a
    // plain "offscreen" (as ./test.sh sets it) gets that screen too.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" APICFG_TEST_SCREEN);
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    // Each test process has settings of its own: ctest runs them side by side.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QApplication::setOrganizationName(QStringLiteral("apicfg-tests"));
    QApplication::setApplicationName(QStringLiteral("apicfg-tests"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
