#include "html_help.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

QWidget* helpWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("HelpWindow") && w->isVisible())
            return w;
    return nullptr;
}

} // namespace

// This program does not link the viewer: the first request loads it from the program's
// folder, and the topics show in its window.
TEST(HelpLoader, TheViewerIsLoadedOnTheFirstRequest) {
    EXPECT_EQ(helpWindow(), nullptr);
    EXPECT_EQ(callHtmlHelp(nullptr, QStringLiteral(APICFG_HELP_FILE), kHtmlHelpDisplayTopic, 0), 1);
    QWidget* window = helpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->windowTitle().isEmpty());
    EXPECT_EQ(callHtmlHelp(nullptr, QStringLiteral(APICFG_HELP_FILE), kHtmlHelpContext, 128), 1);
    EXPECT_EQ(callHtmlHelp(nullptr, QStringLiteral(APICFG_HELP_FILE), 7, 0), 0);
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // also when ctest lists the tests
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
