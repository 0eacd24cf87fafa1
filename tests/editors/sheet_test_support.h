// What the sheet tests share: the English texts, messages and help requests recorded
// instead of shown, and a way to act on a modal sheet while it runs.
#pragma once

#include "messages.h"
#include "modal_window.h"
#include "screenshots.h"
#include "sheet_help.h"
#include "tela_environment.h"
#include "test_helpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// Every visible widget of a page has the room it asks for: a text (label, button, the
// entries of a drop-down list) its full size hint, any other widget its minimum size hint.
// Nothing is clipped.
inline void expectRoomForEveryControl(QWidget& page) {
    for (QWidget* w : page.findChildren<QWidget*>()) {
        if (!w->isVisible() || qobject_cast<QComboBox*>(w->parentWidget()))
            continue;
        // A tab bar is as wide as its tabs; each tab must show its whole caption.
        if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                EXPECT_GT(tabs->tabRect(i).width(),
                          tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)))
                    << i;
            continue;
        }
        // A field shows its whole value.
        if (auto* edit = qobject_cast<QLineEdit*>(w);
            edit && edit->echoMode() == QLineEdit::Normal) {
            EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance(edit->text()) + 8)
                << w->objectName().toStdString() << " cuts " << edit->text().toStdString();
        }
        const auto* list = qobject_cast<QComboBox*>(w);
        const bool text = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                          (list && !list->isEditable());
        const QSize need = text ? w->sizeHint() : w->minimumSizeHint();
        EXPECT_GE(w->width(), need.width()) << w->objectName().toStdString();
        EXPECT_GE(w->height(), need.height()) << w->objectName().toStdString();
    }
}

// Runs body with the application font at that point size, and puts the font back.
template <typename Body> void withFontSize(int pointSize, Body body) {
    const QFont saved = QApplication::font();
    QFont font = saved;
    font.setPointSize(pointSize);
    QApplication::setFont(font);
    body();
    QApplication::setFont(saved);
}

// Replaces a field's text as a user does: select all, delete, type.
inline void retype(QLineEdit& field, const QString& value) {
    field.selectAll();
    field.del();
    QTest::keyClicks(&field, value);
}

// Reads a configuration file's sections into the store (the file's header is supplied).
inline void loadSections(CfgStore& store, const std::string& sections) {
    CfgReadResult detail;
    ASSERT_EQ(testing_support::readText(store, std::string(kCfgHeader) + "\n" + sections, &detail),
              0)
        << "line " << detail.line;
}

using testing_support::sectionsNamed;

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
        int result = 0;
        sheetWasShown = whileModal(
            [&](QWidget& window) {
                auto* sheet = qobject_cast<QDialog*>(&window);
                ASSERT_NE(sheet, nullptr);
                sheet->activateWindow();
                EXPECT_TRUE(QTest::qWaitForWindowActive(sheet));
                act(*sheet);
            },
            [&] { result = run(); });
        return result;
    }

    std::vector<ShownMessage> messages;
    std::vector<HelpRef> help;
    bool sheetWasShown = false;
};
