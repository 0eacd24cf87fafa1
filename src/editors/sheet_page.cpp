#include "sheet_page.h"

#include "messages.h"
#include "sheet_text.h"
#include "string_ids.h"
#include "tela_combo_box.h"
#include "tela_edit.h"
#include "tela_environment.h"
#include "tela_legend.h"
#include "tela_list_box.h"
#include "tela_user_button.h"
#include "tela_user_static.h"

#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <utility>

SheetPage::SheetPage(HelpRef defaultHelp, QWidget* parent)
    : QWidget(parent), m_defaultHelp(defaultHelp) {}

void SheetPage::setControls(ControlTable table) {
    // The layout's own title is the tab caption; the library's replaces it before the
    // sheet takes the page.
    telaApplyLegends(*this);
    m_table = std::move(table);
    m_widgets.clear();
    for (const ControlRow& row : m_table) {
        QWidget* widget = findChild<QWidget*>(QString::fromLatin1(row.objectName));
        m_widgets.push_back(widget);
        if (widget)
            applyStyle(row, widget);
    }
}

void SheetPage::applyStyle(const ControlRow& row, QWidget* widget) {
    const bool upper = row.style & kStyleUpperCase;
    if (auto* edit = qobject_cast<TelaEdit*>(widget)) {
        edit->setLimit(row.limit);
        edit->setUpperCase(upper);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && (row.style & kStylePassword))
        edit->setEchoMode(QLineEdit::Password);
    // A short field shows its whole value at any font size: names of up to 20 characters
    // get room for that many capitals, however the layout squeezes the row.
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && row.limit > 0 && row.limit <= 20) {
        const int text =
            edit->fontMetrics().horizontalAdvance(QString(row.limit, QLatin1Char('N')));
        constexpr int kFrameAndMargins = 12;
        edit->setMinimumWidth(std::max(edit->minimumWidth(), text + kFrameAndMargins));
    }
    if (auto* combo = qobject_cast<TelaComboBox*>(widget)) {
        combo->setSorted(row.style & kStyleSorted);
        combo->setUpperCase(upper);
        // A field for a name takes the room of its longest name, not of its longest entry:
        // the default system's box may list thousands, and measuring each costs seconds.
        if (combo->isEditable()) {
            constexpr int kNameChars = 8; // the SNA names the editable boxes hold
            combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            combo->setMinimumContentsLength(row.limit > 0 ? row.limit : kNameChars);
        }
    }
    if (auto* list = qobject_cast<TelaListBox*>(widget))
        list->setSorted(row.style & kStyleSorted);
}

void SheetPage::applyLegend(const ControlRow& row, QWidget* widget) {
    if (row.spokenName != 0) {
        QString name = QString::fromStdString(TelaEnvironment::GetUserString(row.spokenName))
                           .remove(QLatin1Char('&'));
        if (name.endsWith(QLatin1Char(':')))
            name.chop(1);
        widget->setAccessibleName(name);
    }
    if (row.legend == 0)
        return;
    if (auto* label = qobject_cast<TelaUserStatic*>(widget))
        label->SetLegend(row.legend);
    else
        TelaUserButton(widget).SetLegend(row.legend);
}

void SheetPage::ensureInitialised() {
    if (m_initialised)
        return;
    m_initialised = true;
    exchange(false);
    for (std::size_t i = 0; i < m_table.size(); ++i)
        if (m_widgets[i])
            applyLegend(m_table[i], m_widgets[i]);
    fitWrappedTexts();
    initPage();
    fitListsToEntries();
    rememberShown();
}

void SheetPage::markUnchanged() {
    m_opened.clear();
    for (const ControlRow& row : m_table)
        m_opened.push_back(memberValue(row));
}

bool SheetPage::changed() const {
    for (std::size_t i = 0; i < m_table.size(); ++i) {
        if (i < m_opened.size() && memberValue(m_table[i]) != m_opened[i])
            return true;
        if (m_initialised && i < m_shown.size() && shownState(i) != m_shown[i])
            return true;
    }
    return false;
}

SheetPage::MemberValue SheetPage::memberValue(const ControlRow& row) const {
    if (auto* const* text = std::get_if<std::string*>(&row.value))
        return **text;
    if (auto* const* number = std::get_if<int*>(&row.value))
        return **number;
    return {};
}

void SheetPage::rememberShown() {
    m_shown.clear();
    for (std::size_t i = 0; i < m_table.size(); ++i)
        m_shown.push_back(shownState(i));
}

QVariant SheetPage::shownState(std::size_t i) const {
    const ControlRow& row = m_table[i];
    QWidget* widget = m_widgets[i];
    if (!widget || std::holds_alternative<std::monostate>(row.value))
        return {};
    if (std::holds_alternative<std::string*>(row.value)) {
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            return edit->text();
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            return combo->currentText();
        if (auto* list = qobject_cast<TelaListBox*>(widget))
            return list->GetText(list->GetCurSel());
        return {};
    }
    if (auto* check = qobject_cast<QCheckBox*>(widget))
        return check->isChecked() ? 1 : 0;
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentIndex();
    if (qobject_cast<QRadioButton*>(widget)) {
        const auto group = radioGroup(i);
        for (std::size_t r = 0; r < group.size(); ++r)
            if (group[r]->isChecked())
                return static_cast<int>(r);
        return -1;
    }
    return {};
}

void SheetPage::fitListsToEntries() {
    // The lists are filled before the page is first shown, and a widget not yet shown does
    // not tell the layouts round it that it grew: so the room is asked for here, once.
    for (TelaComboBox* list : findChildren<TelaComboBox*>())
        if (!list->isEditable())
            list->setMinimumWidth(list->entriesWidth());
    for (QLayout* layout : findChildren<QLayout*>())
        layout->invalidate();
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (QLayout* layout = w->layout())
            layout->invalidate();
}

void SheetPage::fitWrappedTexts() {
    // A tab page or dialog is sized from its controls' minimum sizes, which for a text that
    // wraps say nothing of its height: give such a text the room of forty characters a line.
    for (QLabel* label : findChildren<QLabel*>()) {
        if (!label->wordWrap())
            continue;
        const int width =
            std::max(label->minimumWidth(), 40 * label->fontMetrics().averageCharWidth());
        label->setMinimumSize(width, label->heightForWidth(width));
    }
}

bool SheetPage::leave() {
    return !m_initialised || (exchange(true) && leaving());
}

QWidget* SheetPage::control(int id) const {
    for (std::size_t i = 0; i < m_table.size(); ++i)
        if (m_table[i].id == id)
            return m_widgets[i];
    return nullptr;
}

void SheetPage::enableControl(int id, bool on) {
    if (QWidget* widget = control(id))
        widget->setEnabled(on);
}

HelpRef SheetPage::helpFor(const QWidget* widget) const {
    // The innermost control holding the widget: a field inside a group box has its own.
    for (const QWidget* w = widget; w && w != this; w = w->parentWidget()) {
        for (std::size_t i = 0; i < m_table.size(); ++i) {
            if (m_widgets[i] != w)
                continue;
            const int topic = m_table[i].helpTopic;
            if (topic == kNoHelpTopic)
                return HelpRef{kHelpNone, 0};
            return topic ? helpTopic(topic) : m_defaultHelp;
        }
    }
    return m_defaultHelp;
}

std::vector<QRadioButton*> SheetPage::radioGroup(std::size_t index) const {
    std::vector<QRadioButton*> group;
    for (std::size_t i = index; i < m_table.size(); ++i) {
        auto* radio = qobject_cast<QRadioButton*>(m_widgets[i]);
        if (!radio || (i > index && !std::holds_alternative<std::monostate>(m_table[i].value)))
            break;
        group.push_back(radio);
    }
    return group;
}

bool SheetPage::exchange(bool save) {
    for (std::size_t i = 0; i < m_table.size(); ++i) {
        const ControlRow& row = m_table[i];
        QWidget* widget = m_widgets[i];
        if (!widget || std::holds_alternative<std::monostate>(row.value))
            continue;
        const bool edited = save && (i >= m_shown.size() || shownState(i) != m_shown[i]);
        if (auto* const* text = std::get_if<std::string*>(&row.value)) {
            if (save) {
                if (!saveText(row, widget, edited))
                    return false;
                if (i < m_shown.size())
                    m_shown[i] = shownState(i);
            } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                edit->setText(fromBytes(**text));
                edit->setCursorPosition(0); // a long value shows its start
            } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                combo->setEditText(fromBytes(**text));
            } else if (auto* list = qobject_cast<TelaListBox*>(widget)) {
                const auto found = list->findItems(fromBytes(**text), Qt::MatchFixedString);
                list->setCurrentItem(found.isEmpty() ? nullptr : found.first());
            }
            continue;
        }
        if (save && !edited)
            continue;
        if (save && i < m_shown.size())
            m_shown[i] = shownState(i);
        int& number = *std::get<int*>(row.value);
        if (auto* check = qobject_cast<QCheckBox*>(widget)) {
            if (save)
                number = check->isChecked() ? 1 : 0;
            else
                check->setChecked(number != 0);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            if (save)
                number = combo->currentIndex();
            else
                combo->setCurrentIndex(number < combo->count() ? number : -1);
        } else if (qobject_cast<QRadioButton*>(widget)) {
            const auto group = radioGroup(i);
            if (save) {
                number = -1;
                for (std::size_t r = 0; r < group.size(); ++r)
                    if (group[r]->isChecked())
                        number = static_cast<int>(r);
            } else {
                // Buttons of one group exclude each other; none checked needs them apart.
                for (std::size_t r = 0; r < group.size(); ++r) {
                    group[r]->setAutoExclusive(false);
                    group[r]->setChecked(static_cast<int>(r) == number);
                    group[r]->setAutoExclusive(true);
                }
            }
        }
    }
    return true;
}

bool SheetPage::saveText(const ControlRow& row, QWidget* widget, bool edited) {
    QString text;
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        text = edit->text();
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        text = combo->currentText();
    else if (auto* list = qobject_cast<TelaListBox*>(widget))
        text = list->GetText(list->GetCurSel());
    if (row.limit > 0 && text.size() > row.limit) {
        refuseLength(row, widget);
        return false;
    }
    if (edited)
        *std::get<std::string*>(row.value) = toBytes(text);
    return true;
}

void SheetPage::refuseLength(const ControlRow& row, QWidget* widget) {
    // The framework's own text, when the language library does not hold one.
    std::string pattern = TelaEnvironment::GetUserString(ids::kTooManyCharacters);
    if (pattern.empty())
        pattern = "Please enter no more than %1 characters.";
    const QString message =
        QString::fromStdString(pattern).replace(QLatin1String("%1"), QString::number(row.limit));
    AppMessageBox(message.toStdString(), kMbExclamation);
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
}
