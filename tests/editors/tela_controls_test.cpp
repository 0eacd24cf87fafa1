// The Tela controls: what typing each lets through.
#include "tela_edit.h"
#include "tela_masked_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

TEST(TelaEdit, RefusesTypingBeyondTheLimitAndTurnsTypedLettersIntoCapitals) {
    TelaEdit edit;
    edit.setLimit(4);
    QTest::keyClicks(&edit, "abcdef");
    EXPECT_EQ(edit.text(), "abcd");
    edit.setText("ABCDEFGH"); // from the file: shown whole
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClicks(&edit, "x");
    EXPECT_EQ(edit.text(), "ABCDEFGH");
    QTest::keyClick(&edit, Qt::Key_Backspace); // shortening is always allowed
    EXPECT_EQ(edit.text(), "ABCDEFG");

    TelaEdit upper;
    upper.setUpperCase(true);
    // One key event per character, as a keyboard of any layout sends them.
    for (QChar c : QString::fromUtf8("ab1\xc3\xa9\xe2\x82\xac")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&upper, &press);
    }
    // e acute becomes its capital; the euro sign is no single byte of the file.
    EXPECT_EQ(upper.text(), QString::fromUtf8("AB1\xc3\x89"));
    upper.setText("lower"); // the program's own text is not changed
    EXPECT_EQ(upper.text(), "lower");
}

TEST(TelaTypeAEdit, TakesOnlyWhatATypeANameMayHoldAndMovesOnAtThePeriod) {
    QWidget form;
    auto* network = new TelaTypeAEdit(&form);
    auto* lu = new TelaTypeAEdit(&form);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    network->setUpperCase(true);
    network->setFocus();
    QTest::keyClicks(network, "1a2-b_$#@c9z"); // a digit cannot start a name
    EXPECT_EQ(network->text(), "A2B$#@C9");    // and nothing beyond eight characters
    network->clear();
    QTest::keyClicks(network, "#net.");
    EXPECT_EQ(network->text(), "#NET");
    EXPECT_EQ(form.focusWidget(), lu);
}
