// The Tela controls: what typing each lets through, and the order of the sorted lists.
#include "tela_combo_box.h"
#include "tela_edit.h"
#include "tela_list_box.h"
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

namespace {

template <typename Box> QStringList entries(const Box& box) {
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts.append(box.itemText(i));
    return texts;
}

QStringList entries(const TelaListBox& box) {
    QStringList texts;
    for (int i = 0; i < box.GetCount(); ++i)
        texts.append(box.GetText(i));
    return texts;
}

// The entries of a sorted box filled one by one (each lands where AddString says), with one
// fill, and with one fill after a first entry.
template <typename Box> std::vector<QStringList> fillEveryWay(const QStringList& texts) {
    Box single, whole, after;
    for (Box* box : {&single, &whole, &after})
        box->setSorted(true);
    for (const QString& text : texts) {
        const int at = single.AddString(text);
        EXPECT_EQ(entries(single).at(at), text);
    }
    whole.AddStrings(texts);
    after.AddString(texts.front());
    after.AddStrings(texts.mid(1));
    return {entries(single), entries(whole), entries(after)};
}

} // namespace

TEST(TelaSortedLists, KeepLetterOrderCaseIgnoredWithEqualEntriesInArrivalOrder) {
    QStringList many;
    for (int i = 0; i < 300; ++i) // out of order, in both cases, some twice
        many.append(QString("%1%2").arg(i % 3 ? "as" : "AS").arg(i * 7919 % 250));
    const struct {
        QStringList texts;
        QStringList sorted; // empty: checked for order only
    } cases[] = {
        {{"SYS2", "sys1", "SYS1", "Sys10", "sys2"}, {"sys1", "SYS1", "Sys10", "SYS2", "sys2"}},
        {{"B", "a", "", "A", "b"}, {"", "a", "A", "B", "b"}},
        {many, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.texts.join(' ').toStdString());
        for (const auto& filled :
             {fillEveryWay<TelaListBox>(c.texts), fillEveryWay<TelaComboBox>(c.texts)}) {
            for (const QStringList& got : filled) {
                EXPECT_EQ(got, filled.front());
                if (!c.sorted.isEmpty()) {
                    EXPECT_EQ(got, c.sorted);
                }
                for (qsizetype i = 1; i < got.size(); ++i)
                    EXPECT_LE(got[i - 1].compare(got[i], Qt::CaseInsensitive), 0) << i;
            }
        }
    }
}
