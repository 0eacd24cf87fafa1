// The editor tests need one application object for all their widgets.
#include "screen_fit.h"
#include "tela_environment.h"
#include "tela_legend.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // On the screen of the editor's own tests, every window fitted as the editor fits it.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" APICFG_TEST_SCREEN);
    QApplication app(argc, argv);
    ScreenFit screenFit;
    app.installEventFilter(&screenFit);
    telaSetTextLookup(TelaEnvironment::GetUserString);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
