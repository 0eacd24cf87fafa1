// What the sheet tests share: the English texts, messages and help requests recorded
// instead of shown, and a way to act on a modal sheet while it runs.
#pragma once

#include "messages.h"
#include "sheet_help.h"
#include "tela_environment.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

struct ShownMessage {
    std::string text;
    int style;
};

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TelaEnvironment::LoadLibrary(APICFG_SOURCE_DIR "/lang/LHCENU.lang"));
        setMessagePresenter([this](const std::string&, const std::string& text, int style) {
            messages.push_back({text, style});
            return kIdOk;
        });
        setSheetHelpHook([this](QWidget*, int command, int data) {
            help.push_back(HelpRef{command, data});
        });
    }
    void TearDown() override {
        setMessagePresenter({});
        setSheetHelpHook({});
    }

    static std::string text(int id) { return TelaEnvironment::GetUserString(id); }

    // Runs run(), which shows a modal sheet; act gets the sheet once it is up. A sheet
    // still open after act is cancelled, so nothing ever waits for a person.
    template <typename Run> int whileOpen(const std::function<void(QDialog&)>& act, Run run) {
        QTimer timer;
        timer.setSingleShot(true);
        bool acted = false;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* sheet = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!sheet)
                return;
            acted = true;
            sheet->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(sheet));
            act(*sheet);
            if (sheet->isVisible())
                sheet->reject();
        });
        timer.start(0);
        const int result = run();
        sheetWasShown = acted;
        return result;
    }

    std::vector<ShownMessage> messages;
    std::vector<HelpRef> help;
    bool sheetWasShown = false;
};
