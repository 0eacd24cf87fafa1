// Every sheet the option dispatch opens, page by page, worked from the keyboard alone.
#include "cfg_doc.h"
#include "editor_dispatch.h"
#include "option_kinds.h"
#include "property_sheet.h"
#include "sheet_test_support.h"
#include "window_checks.h"

#include <QTabWidget>

class KeyboardAccess : public SheetTest {};

TEST_F(KeyboardAccess, EveryPageOfEverySheetIsReachedWithTabAndMnemonics) {
    for (int kind : {kKindGlobal, kKindAppc, kKindCpic, kKindTp, kKindLux, kKindMidrange}) {
        CCfgDoc doc;
        int pages = 0;
        whileOpen(
            [&](QDialog& sheet) {
                auto* tabs = sheet.findChild<QTabWidget*>();
                ASSERT_TRUE(tabs);
                auto* sheetBase = qobject_cast<PropertySheet*>(&sheet);
                for (int i = 0; i < tabs->count(); ++i) {
                    SCOPED_TRACE("kind " + std::to_string(kind) + " page " + std::to_string(i));
                    ASSERT_TRUE(sheetBase->setActivePage(i));
                    ++pages;
                    // Reading order starts at the tabs, above the page.
                    expectKeyboardAccess(sheet, tabs->tabBar());
                }
            },
            [&] { return runEditorSheet(doc, kind, "Sheet", ""); });
        // Kinds whose sheet has not been written yet open nothing.
        if (sheetWasShown) {
            EXPECT_GT(pages, 0) << kind;
        }
    }
}
