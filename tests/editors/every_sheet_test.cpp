// What holds for every sheet the option dispatch opens, page by page: room for every text
// at two font sizes, the keyboard reaching every control, and a help topic for every help
// context handed out. With APICFG_SCREENSHOT_DIR set, each page is saved as a picture
// (docs/screenshots).
#include "cfg_doc.h"
#include "editor_dispatch.h"
#include "midrange_system_dialog.h"
#include "option_kinds.h"
#include "property_sheet.h"
#include "qt_translations.h"
#include "sheet_test_support.h"
#include "window_checks.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>

#include <set>

namespace {

struct Kind {
    int kind;
    const char* picture; // the start of its pictures' names
};
constexpr Kind kKinds[] = {{kKindGlobal, "global"}, {kKindAppc, "servers"},
                           {kKindCpic, "cpic"},     {kKindTp, "tp"},
                           {kKindLux, "lux"},       {kKindMidrange, "midrange"}};

class EverySheet : public SheetTest {
protected:
    // Runs act on each page of the sheet of every kind, on a new record, then on the first
    // record of the kind in the sample configuration. Kinds without a sheet open nothing.
    void forEveryPage(const std::function<void(PropertySheet&, int page, const QString&)>& act) {
        for (const Kind& k : kKinds) {
            for (const bool existing : {false, true}) {
                CCfgDoc doc;
                std::string name;
                if (existing) {
                    ASSERT_TRUE(doc.OnOpenDocument(APICFG_SOURCE_DIR "/docs/samples/sample.ini"));
                    std::vector<std::string> names;
                    doc.ListOptionRecords(k.kind, names);
                    name = names.empty() ? "" : names.front();
                }
                int pages = 0;
                whileOpen(
                    [&](QDialog& shown) {
                        auto& sheet = static_cast<PropertySheet&>(shown);
                        auto* tabs = sheet.findChild<QTabWidget*>();
                        for (int i = 0; i < tabs->count(); ++i) {
                            SCOPED_TRACE(std::string(k.picture) + " page " + std::to_string(i) +
                                         (existing ? " existing" : " new"));
                            ASSERT_TRUE(sheet.setActivePage(i));
                            // A page shown for the first time grows the sheet: the layouts
                            // settle over a few rounds of events.
                            for (int round = 0; round < 3; ++round)
                                QApplication::processEvents();
                            ++pages;
                            act(sheet, i,
                                QString("%1-%2-%3")
                                    .arg(k.picture,
                                         tabs->tabText(i).remove(QLatin1Char('&')).toLower(),
                                         existing ? "existing" : "new"));
                        }
                    },
                    [&] { return runEditorSheet(doc, *findOptionKind(k.kind), "Sheet", name); });
                if (sheetWasShown) {
                    EXPECT_GT(pages, 0) << k.picture;
                }
            }
        }
    }
};

// The libraries of the two languages; German pictures go into a folder of their own.
struct Library {
    const char* file;
    const char* pictures;
};
constexpr Library kLibraries[] = {{"LHCENU", ""}, {"LHCDEU", "de/"}};

bool loadLibrary(const Library& library) {
    return TelaEnvironment::LoadLibrary(APICFG_SOURCE_DIR "/lang/" + std::string(library.file) +
                                        ".lang");
}

TEST_F(EverySheet, EveryPageHasRoomForItsTextsAtTwoFontSizesInEveryLanguage) {
    const QLocale locale; // the translations set the default; the tests after keep theirs
    for (const Library& library : kLibraries) {
        SCOPED_TRACE(library.file);
        ASSERT_TRUE(loadLibrary(library));
        QObject translations; // Qt's buttons in the pictures speak the language too
        installQtTranslations(translations);
        for (int points : {10, 18}) {
            withFontSize(points, [&] {
                forEveryPage([&](PropertySheet& sheet, int, const QString& picture) {
                    expectRoomForEveryControl(sheet);
                    // The server list's and the LUx profile's own tests picture their rows
                    // filled in, under the same names.
                    if (points == 10 && (*library.pictures || (!picture.startsWith("servers") &&
                                                               !picture.startsWith("lux"))))
                        saveScreenshot(sheet, library.pictures + picture);
                });
            });
        }
    }
    QLocale::setDefault(locale);
}

TEST_F(EverySheet, EveryPageIsReachedWithTabAndMnemonicsInEveryLanguage) {
    for (const Library& library : kLibraries) {
        SCOPED_TRACE(library.file);
        ASSERT_TRUE(loadLibrary(library));
        forEveryPage([&](PropertySheet& sheet, int, const QString&) {
            // Reading order starts at the tabs, above the page.
            expectKeyboardAccess(sheet, sheet.findChild<QTabWidget*>()->tabBar());
        });
        // The midrange sheet's own dialog for one system.
        CCfgDoc doc;
        CDlgNODEXSystem dialog;
        whileOpen([&](QDialog& shown) { expectKeyboardAccess(shown, shown.focusWidget()); },
                  [&] { return dialog.ShowSystem(doc, std::string()); });
        EXPECT_TRUE(sheetWasShown);
    }
}

TEST_F(EverySheet, EveryHelpContextHandedOutHasItsTopic) {
    std::set<int> contexts;
    forEveryPage([&](PropertySheet& sheet, int page, const QString&) {
        QWidget* shown = sheet.findChild<QTabWidget*>()->widget(page);
        for (QWidget* w : shown->findChildren<QWidget*>()) {
            if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus)) {
                w->setFocus();
                sheet.helpRequest();
            }
        }
        sheet.findChild<QTabWidget*>()->tabBar()->setFocus();
        sheet.helpRequest();
        sheet.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
    });
    for (const HelpRef& ref : help)
        if (ref.command == kHelpContext)
            contexts.insert(ref.data);
    EXPECT_FALSE(contexts.empty());
    for (int context : contexts)
        for (const char* language : {"topics", "topics-de"})
            EXPECT_TRUE(QFile::exists(
                QString(APICFG_SOURCE_DIR "/help/%1/ctx-%2.html").arg(language).arg(context)))
                << "no topic in help/" << language << " for help context " << context;
}

} // namespace
