// AppMessageBox on the screen: the platform's styles as icons and buttons, the buttons'
// numbers, and a real message box when no test answers it.
#include "app_message_box.h"
#include "messages.h"
#include "prompts.h"
#include "string_ids.h"
#include "tela_environment.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

TEST(AppMessageBox, StylesBecomeIconsAndButtonsAndButtonsBecomeNumbers) {
    installAppMessagePresenter();
    TelaEnvironment::LoadLibraryText("57344\tTitle of the program\n", "test");
    PromptScript script;

    EXPECT_EQ(AppMessageBox("plain", kMbOk), kIdOk);
    EXPECT_EQ(AppMessageBox("stop", kMbIconStop), kIdOk);
    script.answerMessage(QMessageBox::Ok);
    EXPECT_EQ(AppMessageBox("ask", kMbOkCancelQuestion), kIdOk);
    script.answerMessage(QMessageBox::Cancel);
    EXPECT_EQ(AppMessageBox("ask", kMbOkCancelQuestion), kIdCancel);
    EXPECT_EQ(AppMessageBox("closed", kMbOkCancelQuestion), kIdCancel); // Escape

    const std::vector<PromptScript::Shown>& shown = script.shown();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(shown[1].icon, QMessageBox::Critical);
    EXPECT_EQ(shown[1].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(shown[2].icon, QMessageBox::Question);
    EXPECT_EQ(shown[2].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(shown[0].title, "Title of the program");
    EXPECT_EQ(shown[0].text, "plain");
    TelaEnvironment::UnloadLibrary();
}

TEST(AppMessageBox, ShowsARealMessageBoxWithTheTextAsUtf8) {
    installAppMessagePresenter();
    QString seenText;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    int buttons = 0;
    // Answer the box from inside its own event loop, as a user would.
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seenText = box->text();
        seenIcon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(AppMessageBox("Delete the entry \"CAF\xC3\x89\"?", kMbOkCancelQuestion), kIdCancel);
    EXPECT_EQ(seenText, QString::fromUtf8("Delete the entry \"CAF\xC3\x89\"?"));
    EXPECT_EQ(seenIcon, QMessageBox::Question);
    EXPECT_EQ(buttons, 2);
}
