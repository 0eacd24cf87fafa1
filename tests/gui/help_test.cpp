// Help: the help file beside the program, its default and numbered topics in the program's
// own window, and a help file that cannot be had.
#include "gui_fixture.h"

#include "help_viewer.h"
#include "help_window.h"

#include <QDir>
#include <QTextBrowser>

namespace {

QString helpFile() {
    return QDir(QStringLiteral(APICFG_RUNTIME_DIR)).filePath("apicfg.qch");
}

QString shownTopic(const HtmlHelp& help) {
    return help.window() ? help.window()->browser()->source().fileName() : QString();
}

} // namespace

TEST(Help, ShowsTheDefaultTopicAndTopicsByContextNumber) {
    ASSERT_TRUE(QFile::exists(helpFile())) << "the build makes the help file";
    HtmlHelp help;
    EXPECT_EQ(help.call(nullptr, helpFile(), kHtmlHelpDisplayTopic, 0), 1);
    ASSERT_NE(help.window(), nullptr);
    EXPECT_TRUE(help.window()->isVisible());
    EXPECT_EQ(shownTopic(help), "index.html");
    EXPECT_TRUE(help.window()->browser()->toPlainText().contains("Where to start"));
    EXPECT_EQ(help.window()->windowTitle(), help.window()->browser()->documentTitle());

    // The main window's topic, by its context number.
    EXPECT_EQ(help.call(nullptr, helpFile(), kHtmlHelpContext, 128), 1);
    EXPECT_EQ(shownTopic(help), "ctx-128.html");
    EXPECT_TRUE(help.window()->browser()->toPlainText().contains("Configuration Options"));

    // A number without a topic shows the default topic; an unknown command shows nothing.
    EXPECT_EQ(help.call(nullptr, helpFile(), kHtmlHelpContext, 987654), 1);
    EXPECT_EQ(shownTopic(help), "index.html");
    EXPECT_EQ(help.call(nullptr, helpFile(), 7, 0), 0);

    // Links between topics work inside the help window.
    help.window()->browser()->setSource(QUrl(QStringLiteral("records.html")));
    EXPECT_TRUE(help.window()->browser()->toPlainText().contains("Deleting"));
}

TEST(Help, FollowsTheWindowThatAsked) {
    HtmlHelp help;
    QWidget sheet;
    sheet.show();
    EXPECT_EQ(help.call(&sheet, helpFile(), kHtmlHelpContext, 128), 1);
    EXPECT_EQ(help.window()->parentWidget(), &sheet);
    EXPECT_TRUE(help.window()->isWindow());
}

TEST(Help, WithoutItsFileHelpDoesNothingAndIsNotTriedAgain) {
    HtmlHelp help;
    EXPECT_EQ(help.call(nullptr, helpFile() + ".missing", kHtmlHelpDisplayTopic, 0), 0);
    EXPECT_TRUE(help.failed());
    EXPECT_EQ(help.window(), nullptr);
    // The good file is not even looked at now.
    EXPECT_EQ(help.call(nullptr, helpFile(), kHtmlHelpDisplayTopic, 0), 0);
    EXPECT_EQ(help.window(), nullptr);

    HtmlHelp notAHelpFile;
    EXPECT_EQ(notAHelpFile.call(nullptr, QStringLiteral(APICFG_PROGRAM), 0, 0), 0);
    EXPECT_TRUE(notAHelpFile.failed());
}

class HelpFromTheMainWindow : public gui_testing::AppTest {};

TEST_F(HelpFromTheMainWindow, F1AndTheHelpMenuOpenTheProgramsHelp) {
    start();
    EXPECT_EQ(app().helpFilePath(), helpFile());
    frame().ui().actionHelpIndex->trigger();
    ASSERT_NE(HtmlHelp::instance().window(), nullptr);
    EXPECT_EQ(shownTopic(HtmlHelp::instance()), "index.html");
    frame().activateWindow();
    QTest::keyClick(ui().optionsList, Qt::Key_F1);
    EXPECT_EQ(shownTopic(HtmlHelp::instance()), "ctx-128.html");
    EXPECT_TRUE(script.shown().empty());
}
