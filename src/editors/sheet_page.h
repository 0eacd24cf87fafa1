// One tab page of an editor sheet. A page builds its widgets from its layout, hands the
// base its control table, and keeps its values in data members; the base moves them into
// the controls when the page is first shown and back (with the limit checks) whenever the
// page is left. A page never shown keeps the values the sheet put into its members.
#pragma once

#include "control_table.h"
#include "sheet_help.h"

#include <QVariant>
#include <QWidget>

class QRadioButton;

class SheetPage : public QWidget {
    Q_OBJECT
public:
    // The default help is what a request for a control without a topic shows.
    explicit SheetPage(HelpRef defaultHelp, QWidget* parent = nullptr);

    // The tab caption: the layout's own title.
    QString caption() const { return windowTitle(); }

    // First show: data members into the controls, legends, then the page's own set-up.
    void ensureInitialised();
    bool isInitialised() const { return m_initialised; }

    // Leaving the page: the controls into the data members, checking the limits. On a
    // field over its limit: the length message, the focus on the field, and false. A page
    // never shown has nothing to leave.
    bool leave();

    // Re-reads the controls into the data members (after a Browse, say), with the checks.
    bool refreshMembers() { return exchange(true); }

    // Takes the data members as they are now for the values the page was opened with.
    void markUnchanged();
    // Whether the user changed anything: a member given back different by a leave, or a
    // control that no longer shows what the page showed when it was opened.
    virtual bool changed() const;

    // The help of a control (or of a widget inside one); the page's default otherwise.
    HelpRef helpFor(const QWidget* widget) const;
    HelpRef defaultHelp() const { return m_defaultHelp; }

    // The widget of a control id, or null when the table has no such id.
    QWidget* control(int id) const;
    template <typename W> W* controlAs(int id) const { return qobject_cast<W*>(control(id)); }
    void enableControl(int id, bool on);

protected:
    // Called once, after the layout's widgets exist: applies limits and styles.
    void setControls(ControlTable table);
    // The page's own initialisation, after the base filled the controls and set the
    // legends: fill lists, select entries, apply enable rules.
    virtual void initPage() {}

public:
    // Every time the page becomes the active one, after its first initialisation: a page
    // that shows what the store holds rebuilds itself here.
    virtual void activated() {}

protected:
    // Leaving the page, after its controls went back into the members: a page with a rule
    // of its own refuses here (it shows its message and returns false).
    virtual bool leaving() { return true; }

private:
    bool exchange(bool save);
    // What the control of a table row shows now: its text, or its check, list or radio
    // index; nothing for a row without a data member. A control that still shows what
    // was shown last gives its member back untouched, so that a value the control cannot
    // show as stored (a letter case, a list entry it lacks) is kept as stored.
    QVariant shownState(std::size_t row) const;
    void rememberShown();
    // Every drop-down list at least as wide as its longest entry.
    void fitListsToEntries();
    bool saveText(const ControlRow& row, QWidget* widget, bool edited);
    void applyStyle(const ControlRow& row, QWidget* widget);
    void applyLegend(const ControlRow& row, QWidget* widget);
    void fitWrappedTexts();
    // The radio buttons of the group that the radio of the table row at index starts.
    std::vector<QRadioButton*> radioGroup(std::size_t index) const;
    void refuseLength(const ControlRow& row, QWidget* widget);

    using MemberValue = std::variant<std::monostate, std::string, int>;
    MemberValue memberValue(const ControlRow& row) const;

    ControlTable m_table;
    std::vector<QVariant> m_shown;     // per row: what the control showed last
    std::vector<MemberValue> m_opened; // per row: the member when the page was opened
    std::vector<QWidget*> m_widgets;   // per row; children of this page
    HelpRef m_defaultHelp;
    bool m_initialised = false;
};
