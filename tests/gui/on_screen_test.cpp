// Every window of the editor fits the screen's available area, and the main window keeps
// its size while the user works. ctest runs these tests on a 1280x1024 offscreen screen at
// QT_SCALE_FACTOR 1, 1.5 and 2 (tests/gui/CMakeLists.txt).
#include "gui_fixture.h"

#include "about_dialog.h"
#include "help_viewer.h"
#include "help_window.h"
#include "modal_window.h"
#include "problems_panel.h"
#include "review_dialog.h"
#include "save_content.h"
#include "screenshots.h"

#include <QFileDialog>
#include <QScreen>
#include <QTabWidget>

#include <sstream>

using namespace gui_testing;

namespace {

std::string shown(const QRect& r) {
    std::ostringstream out;
    out << r.width() << "x" << r.height() << "+" << r.x() << "+" << r.y();
    return out.str();
}

// The window, frame included, lies within the available area of its screen, and shows
// every control at no less than the size it needs.
void expectOnScreen(QWidget& window, const std::string& what) {
    QApplication::processEvents();
    const QRect area = window.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window.frameGeometry()))
        << what << " at " << shown(window.frameGeometry()) << " on " << shown(area);
    if (QLayout* layout = window.layout()) {
        const QSize least = layout->totalMinimumSize();
        EXPECT_TRUE(window.width() >= least.width() && window.height() >= least.height())
            << what << " squeezed to " << window.width() << "x" << window.height();
    }
}

// With APICFG_SCREENSHOT_DIR set, saves the whole screen as it stands there, as
// screen-NAME-SCALE.png (docs/screenshots).
void saveScreen(const QString& name) {
    const QString dir = screenshotDir();
    if (!dir.isEmpty()) {
        const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
        const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
        EXPECT_TRUE(screen.save(QString("%1/screen-%2-%3.png").arg(dir, name, scale)));
    }
}

// One fault in most kinds, and enough of them to fill the problems panel.
Sections faultyFile() {
    Sections sections = {
        {"GLOBAL", {{"USER_NAME", "a:b"}}},
        {"APPC", {{"SELECT", "SERVER"}, {"SERVER", "BAD NAME,TCP/IP,ENC_OFF"}}},
        {"LUX_PROFILE", {{"PROFILE_NAME", "GOOD"}, {"SESSION", "HOST1,*,0,LU1,TCP/IP,,ENC_OFF"}}},
        {"LUX_PROFILE", {{"PROFILE_NAME", "P1"}, {"SESSION", ",*,1,,TCP/IP,,ENC_OFF"}}},
        {"NODEX_SYSTEM", {{"HOST_NAME", "bad host"}}},
        {"CLIENT_ATTACH", {{"TP_NAME", "PAYROLL"}, {"LU_NAME", "*"}}},
    };
    // Names ever shorter: as they are fixed from the top, the panel's columns narrow.
    for (int length = 8; length > 0; --length)
        sections.push_back({"CPIC_INFO",
                            {{"SYMB_NAME", std::string(static_cast<std::size_t>(length), 'N')},
                             {"MODE", "a mode far longer than any mode may be"}}});
    return sections;
}

} // namespace

class OnScreen : public AppTest {};

TEST_F(OnScreen, TheMainWindowFitsWithItsProblemsAndKeepsItsSizeWhileTheyAreFixed) {
    start({writeConfig("faults.ini", faultyFile())});
    ASSERT_TRUE(frame().problemsPanel() && frame().problemsPanel()->isVisible());
    expectOnScreen(frame(), "main window");
    saveScreen("main");
    const QSize size = frame().size();
    for (const RecordKind& k : optionKinds()) {
        selectKind(k.optionKind);
        expectOnScreen(frame(), "main window on kind " + std::to_string(k.optionKind));
        EXPECT_EQ(frame().size(), size) << k.optionKind;
    }
    // Fixing the problems one by one, until the panel is empty.
    selectKind(kKindCpic);
    for (int left = static_cast<int>(listed().size()); left > 0; --left) {
        deleteSelected();
        ASSERT_EQ(listed().size(), left - 1);
        EXPECT_EQ(frame().size(), size) << listed().size() << " entries left";
    }
    frame().ui().actionViewProblems->trigger();
    EXPECT_EQ(frame().size(), size) << "with the panel hidden";
    expectOnScreen(frame(), "main window without the panel");
}

TEST_F(OnScreen, EverySheetPageAndDialogFits) {
    start({writeConfig("faults.ini", faultyFile())});
    for (const RecordKind& k : optionKinds()) {
        selectKind(k.optionKind);
        for (const bool existing : {false, true}) {
            if (!existing && !ui().newButton->isEnabled())
                continue;
            const bool opened = whileModal(
                [&](QWidget& sheet) {
                    auto* tabs = sheet.findChild<QTabWidget*>();
                    for (int i = 0; tabs && i < tabs->count(); ++i) {
                        tabs->setCurrentIndex(i);
                        expectOnScreen(sheet, "sheet of kind " + std::to_string(k.optionKind) +
                                                  " page " + std::to_string(i));
                        if (existing && k.optionKind == kKindLux)
                            saveScreen("lux");
                    }
                    if (auto* add = sheet.findChild<QPushButton*>("addButton")) {
                        tabs->setCurrentIndex(0);
                        EXPECT_TRUE(
                            whileModal([](QWidget& dialog) { expectOnScreen(dialog, "system"); },
                                       [&] { add->click(); }));
                    }
                },
                [&] { click(existing ? ui().changeButton : ui().newButton); });
            EXPECT_TRUE(opened) << k.optionKind;
        }
    }
}

TEST_F(OnScreen, HelpMessagesTheReviewTheAboutBoxAndTheFileDialogFit) {
    start({writeConfig("faults.ini", faultyFile())});
    frame().ui().actionHelpIndex->trigger();
    ASSERT_NE(HtmlHelp::instance().window(), nullptr);
    expectOnScreen(*HtmlHelp::instance().window(), "help");
    saveScreen("help");

    // A message as the program shows one, with a long path in it.
    QMessageBox message(QMessageBox::Warning, "apicfg",
                        "Cannot save /" + QString("folder/").repeated(40) + "lhntapi.ini",
                        QMessageBox::Ok, &frame());
    message.show();
    expectOnScreen(message, "message");

    ReviewDialog review(reviewChanges(pathName(), savedBytes(doc().store())), true, &frame());
    review.show();
    expectOnScreen(review, "review");

    CAboutDlg about(&frame());
    about.show();
    expectOnScreen(about, "about");

    QFileDialog files(&frame(), "Open", m_dir.path(), "*.ini");
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.show();
    expectOnScreen(files, "file dialog");
}
