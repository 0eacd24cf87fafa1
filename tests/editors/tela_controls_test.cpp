// The Tela controls: what typing each lets through, and the list operations.
#include "string_ids.h"
#include "tela_combo_box.h"
#include "tela_edit.h"
#include "tela_env_param.h"
#include "tela_environment.h"
#include "tela_masked_edit.h"
#include "tela_user_button.h"
#include "tela_user_static.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

TEST(TelaEdit, RefusesTypingBeyondTheLimitButKeepsALongerTextSetByTheProgram) {
    TelaEdit edit;
    edit.setLimit(4);
    QTest::keyClicks(&edit, "abcdef");
    EXPECT_EQ(edit.text(), "abcd");

    edit.setText("ABCDEFGH"); // from the file: shown whole
    EXPECT_EQ(edit.text(), "ABCDEFGH");
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClicks(&edit, "x");
    EXPECT_EQ(edit.text(), "ABCDEFGH");
    QTest::keyClick(&edit, Qt::Key_Backspace); // shortening is always allowed
    EXPECT_EQ(edit.text(), "ABCDEFG");
}

// Types text the way a keyboard with any layout does: one key event per character.
void type(QWidget& widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &press);
    }
}

TEST(TelaEdit, UpperCaseTurnsTypedLettersIntoCapitalsAndRefusesWhatTheFileCannotHold) {
    TelaEdit edit;
    edit.setUpperCase(true);
    type(edit, QString::fromUtf8("ab1\xc3\xa9"));
    EXPECT_EQ(edit.text(), QString::fromUtf8("AB1\xc3\x89")); // e acute becomes its capital
    type(edit, QString::fromUtf8("\xe2\x82\xac"));            // the euro sign is no single byte
    EXPECT_EQ(edit.text(), QString::fromUtf8("AB1\xc3\x89"));
    edit.setText("lower"); // the program's own text is not changed
    EXPECT_EQ(edit.text(), "lower");
}

TEST(TelaTypeAEdit, TakesOnlyWhatATypeANameMayHoldAndMovesOnAtThePeriod) {
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* network = new TelaTypeAEdit(&form);
    auto* lu = new TelaTypeAEdit(&form);
    layout->addWidget(network);
    layout->addWidget(lu);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    network->setUpperCase(true);
    EXPECT_EQ(network->mask(), "2SSSSSSS");
    EXPECT_EQ(network->separator(), QChar('.'));

    network->setFocus();
    QTest::keyClicks(network, "1a2-b_$#@c9z"); // a digit cannot start a name
    EXPECT_EQ(network->text(), "A2B$#@C9");    // and nothing beyond eight characters

    network->clear();
    QTest::keyClicks(network, "#net");
    EXPECT_EQ(network->text(), "#NET");
    QTest::keyClick(network, Qt::Key_Period);
    EXPECT_EQ(network->text(), "#NET");
    EXPECT_EQ(form.focusWidget(), lu);
}

TEST(TelaComboBox, KeepsSortedEntriesAndFindsByPrefixIgnoringCase) {
    TelaComboBox box;
    box.setEditable(true);
    box.setSorted(true);
    for (const char* name : {"QPCSUPP", "#INTER", "BLANK", "#BATCH"})
        box.AddString(name);
    ASSERT_EQ(box.count(), 4);
    EXPECT_EQ(box.itemText(0), "#BATCH");
    EXPECT_EQ(box.itemText(3), "QPCSUPP");

    EXPECT_EQ(box.FindString(-1, "bl"), 2);
    EXPECT_EQ(box.FindString(2, "#"), 0); // the search wraps round after the start
    EXPECT_EQ(box.SelectString(-1, "nosuch"), -1);
    EXPECT_EQ(box.currentText(), "");
    EXPECT_EQ(box.SelectString(-1, "q"), 3);
    EXPECT_EQ(box.currentText(), "QPCSUPP");

    box.setUpperCase(true);
    box.lineEdit()->clear();
    QTest::keyClicks(box.lineEdit(), "mymode");
    EXPECT_EQ(box.currentText(), "MYMODE");
    EXPECT_EQ(box.count(), 4);
}

TEST(TelaLegends, LabelsAndButtonLikeControlsTakeTheirTextsFromTheLibrary) {
    ASSERT_TRUE(TelaEnvironment::LoadLibrary(APICFG_SOURCE_DIR "/lang/LHCENU.lang"));
    const QString expected =
        QString::fromStdString(TelaEnvironment::GetUserString(ids::kCpicLegendSymbName));
    ASSERT_FALSE(expected.isEmpty());

    TelaUserStatic label;
    EXPECT_NE(label.SetLegend(ids::kCpicLegendSymbName), 0);
    EXPECT_EQ(label.text(), expected);

    QCheckBox check;
    QGroupBox group;
    EXPECT_NE(TelaUserButton(&check).SetLegend(ids::kCpicLegendSymbName), 0);
    EXPECT_NE(TelaUserButton(&group).SetLegend(ids::kCpicLegendSymbName), 0);
    EXPECT_EQ(check.text(), expected);
    EXPECT_EQ(group.title(), expected);
    TelaUserStatic notAButton;
    EXPECT_EQ(TelaUserButton(&notAButton).SetLegend(ids::kCpicLegendSymbName), 0);
    constexpr int kNoSuchText = 1;
    EXPECT_EQ(label.SetLegend(kNoSuchText), 0); // an empty text, and says so
    EXPECT_EQ(label.text(), "");
}

TEST(TelaEnvironment, GetEnvParamReadsTheInstallationDirectoryOrLeavesTheResultEmpty) {
    const auto file = std::filesystem::temp_directory_path() / "apicfg-editors-install.conf";
    {
        std::ofstream out(file);
        out << "[Install Summary]\nInstallation Directory=/opt/client\n";
    }
    ::setenv("APICFG_INSTALLATION_FILE", file.c_str(), 1);
    const std::string path =
        "SOFTWARE\\Arvenco\\Arvenco Linkhold for NT SNA Client\\CurrentVersion\\"
        "Installation Directory";
    std::string result = "stale";
    EXPECT_NE(TelaEnvironment::GetEnvParam(path, "", result, 0, kHkeyLocalMachine, 1), 0);
    EXPECT_EQ(result, "/opt/client");
    EXPECT_EQ(TelaEnvironment::GetEnvParam(path, "", result, 0, kHkeyCurrentUser, 1), 0);
    EXPECT_EQ(result, "");

    ::setenv("APICFG_INSTALLATION_FILE", (file.string() + ".missing").c_str(), 1);
    result = "stale";
    EXPECT_EQ(TelaEnvironment::GetEnvParam(path, "", result, 0, kHkeyLocalMachine, 1), 0);
    EXPECT_EQ(result, "");
    ::unsetenv("APICFG_INSTALLATION_FILE");
    std::filesystem::remove(file);
}
