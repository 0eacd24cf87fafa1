// The keyboard pass that holds for every window of the editor: the keyboard reaches every
// control in the order the eye reads it, with a mnemonic or a name for each control.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace window_checks {

// The letter after the one "&" of a text that stands alone, upper case; 0 for none.
inline QChar mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toUpper();
        ++i;
    }
    return QChar();
}

inline std::string name(const QWidget* w) {
    return (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                      : w->objectName())
        .toStdString();
}

// The control a focused part belongs to: an editable combo box's line edit is the box.
inline QWidget* control(QWidget* w) {
    for (QWidget* p = w; p; p = p->parentWidget())
        if (qobject_cast<QComboBox*>(p))
            return p;
    return w;
}

// What the user can Tab to in window: shown, enabled, taking focus by Tab, and none of a
// control's inner parts. An unchecked radio button is reached with the arrow keys from
// the checked one of its group, so only the checked one is a stop of its own.
inline std::vector<QWidget*> tabStops(QWidget& window) {
    std::vector<QWidget*> stops;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) ||
            w->focusProxy() || control(w) != w)
            continue;
        if (auto* radio = qobject_cast<QRadioButton*>(w);
            radio && radio->autoExclusive() && !radio->isChecked())
            continue;
        stops.push_back(w);
    }
    return stops;
}

// The controls the Tab key visits, from the first, until it comes round again.
inline std::vector<QWidget*> tabChain(QWidget* first) {
    std::vector<QWidget*> chain;
    first->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    for (int presses = 0; presses < 200; ++presses) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused)
            break;
        QWidget* c = control(focused);
        if (!chain.empty() && c == chain.front())
            break;
        if (chain.empty() || chain.back() != c) // a browser's links are stops of one control
            chain.push_back(c);
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    return chain;
}

// b is read after a: below it, or beside it to the right within the same row.
inline bool readAfter(QWidget& window, const QWidget* a, const QWidget* b) {
    const QRect ra(a->mapTo(&window, QPoint(0, 0)), a->size());
    const QRect rb(b->mapTo(&window, QPoint(0, 0)), b->size());
    const bool sameRow = (rb.center().y() >= ra.top() && rb.center().y() <= ra.bottom()) ||
                         (ra.center().y() >= rb.top() && ra.center().y() <= rb.bottom());
    return sameRow ? rb.center().x() > ra.center().x() : rb.center().y() > ra.center().y();
}

// The label whose buddy w is, if any.
inline QLabel* buddyLabel(QWidget& window, const QWidget* w) {
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy() == w && label->isVisible())
            return label;
    return nullptr;
}

// Buttons that need no mnemonic: OK and Cancel of a button box, and a window's default
// button, are Enter and Escape.
inline bool enterOrEscape(const QAbstractButton* button) {
    if (const auto* push = qobject_cast<const QPushButton*>(button); push && push->isDefault())
        return true;
    const auto* box = qobject_cast<const QDialogButtonBox*>(button->parentWidget());
    if (!box)
        return false;
    const QDialogButtonBox::ButtonRole role = box->buttonRole(const_cast<QAbstractButton*>(button));
    return role == QDialogButtonBox::AcceptRole || role == QDialogButtonBox::RejectRole;
}

// Each menu of the menu bar: every item shown has a mnemonic of its own in that menu.
inline void expectMenuMnemonics(QWidget& window) {
    for (QMenuBar* bar : window.findChildren<QMenuBar*>()) {
        for (QAction* menuAction : bar->actions()) {
            QMenu* menu = menuAction->menu();
            std::map<QChar, std::string> letters;
            for (QAction* item : menu ? menu->actions() : QList<QAction*>()) {
                if (item->isSeparator() || !item->isVisible() || !item->isEnabled())
                    continue;
                const QChar m = mnemonic(item->text());
                EXPECT_FALSE(m.isNull()) << "menu item " << item->text().toStdString();
                if (!m.isNull()) {
                    auto [it, fresh] = letters.emplace(m, item->text().toStdString());
                    EXPECT_TRUE(fresh) << it->second << " and " << item->text().toStdString();
                }
            }
        }
    }
}

// Alt with a letter that no mnemonic takes types nothing into any field of the window.
inline void expectAltTypesNothing(QWidget& window, const std::map<QChar, std::string>& taken) {
    QChar free;
    for (char c = 'Z'; c >= 'A' && free.isNull(); --c)
        if (!taken.count(QLatin1Char(c)))
            free = QLatin1Char(c);
    ASSERT_FALSE(free.isNull());
    for (QLineEdit* field : window.findChildren<QLineEdit*>()) {
        if (!field->isVisible() || !field->isEnabled() || field->isReadOnly())
            continue;
        QWidget* target = control(field);
        target->setFocus(Qt::ShortcutFocusReason);
        const QString before = field->text();
        QTest::keyClick(QApplication::focusWidget(), free.toLower().toLatin1(), Qt::AltModifier);
        EXPECT_EQ(field->text(), before)
            << "Alt+" << QString(free).toStdString() << " typed into " << name(target);
    }
}

// Tab visits every stop, in reading order, from the first; returns the stops.
inline std::vector<QWidget*> expectTabOrder(QWidget& window, QWidget* first) {
    const std::vector<QWidget*> chain = tabChain(first);
    std::vector<QWidget*> stops = tabStops(window);
    for (QWidget* stop : stops)
        EXPECT_NE(std::find(chain.begin(), chain.end(), stop), chain.end())
            << name(stop) << " is not reached with Tab";
    for (std::size_t i = 1; i < chain.size(); ++i)
        EXPECT_TRUE(readAfter(window, chain[i - 1], chain[i]))
            << "Tab goes from " << name(chain[i - 1]) << " back to " << name(chain[i]);
    return stops;
}

} // namespace window_checks

// The keyboard pass over a shown, active window, from first, its first control:
// - Tab visits every control that can take focus, in reading order (rows top to bottom,
//   left to right), and comes round to the first;
// - each control has a label a screen reader reads: its own text, a buddy label, or an
//   accessible name; the mnemonic of a buddy label takes the focus to its control;
// - every label of a field, button (but OK and Cancel), tab and menu item has a mnemonic,
//   and no two shown at the same time (labels, buttons, group titles, tabs, menus) share
//   a letter; Alt with any other letter types nothing into a field;
// - the default button, if any, is enabled.
inline void expectKeyboardAccess(QWidget& window, QWidget* first) {
    using namespace window_checks;
    ASSERT_TRUE(window.isActiveWindow()) << "keys go to the active window only";
    const std::vector<QWidget*> stops = expectTabOrder(window, first);

    std::map<QChar, std::string> letters;
    auto letter = [&](const QString& text, const std::string& owner) {
        const QChar m = mnemonic(text);
        if (m.isNull())
            return;
        auto [it, fresh] = letters.emplace(m, owner);
        EXPECT_TRUE(fresh) << owner << " and " << it->second << " share the mnemonic "
                           << QString(m).toStdString();
    };
    for (QWidget* stop : stops) {
        const auto* button = qobject_cast<QAbstractButton*>(stop);
        const auto* tabs = qobject_cast<QTabBar*>(stop);
        const bool labelled = (button && !button->text().isEmpty()) || (tabs && tabs->count()) ||
                              buddyLabel(window, stop) || !stop->accessibleName().isEmpty();
        EXPECT_TRUE(labelled) << name(stop) << " has neither a label nor an accessible name";
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisible())
            continue;
        letter(button->text(), name(button));
        if (!button->text().isEmpty() && !qobject_cast<QToolButton*>(button) &&
            !enterOrEscape(button)) {
            EXPECT_FALSE(mnemonic(button->text()).isNull()) << name(button) << " has no mnemonic";
        }
        if (const auto* push = qobject_cast<QPushButton*>(button); push && push->isDefault()) {
            EXPECT_TRUE(push->isEnabled()) << "the default button " << name(button) << " is off";
        }
    }
    for (QGroupBox* group : window.findChildren<QGroupBox*>())
        if (group->isVisible())
            letter(group->title(), name(group));
    for (QTabBar* tabs : window.findChildren<QTabBar*>())
        for (int i = 0; tabs->isVisible() && i < tabs->count(); ++i) {
            letter(tabs->tabText(i), name(tabs) + " tab " + std::to_string(i));
            EXPECT_FALSE(mnemonic(tabs->tabText(i)).isNull()) << name(tabs) << " tab " << i;
        }
    for (QMenuBar* menus : window.findChildren<QMenuBar*>())
        for (QAction* menu : menus->actions())
            letter(menu->text(), "menu " + menu->text().toStdString());
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisible() || !label->buddy())
            continue;
        letter(label->text(), name(label));
        const QChar m = mnemonic(label->text());
        EXPECT_FALSE(m.isNull()) << name(label) << " has no mnemonic";
        if (m.isNull() || !label->buddy()->isEnabled())
            continue;
        first->setFocus();
        QTest::keyClick(&window, m.toLower().toLatin1(), Qt::AltModifier);
        EXPECT_EQ(control(QApplication::focusWidget()), control(label->buddy()))
            << "Alt+" << QString(m).toStdString() << " of " << name(label);
    }
    expectMenuMnemonics(window);
    expectAltTypesNothing(window, letters);
}
