// A combo box with the platform's list operations: add (in sorted place when the box is
// sorted), find by prefix, select by index. An editable box can take capitals only.
#pragma once

#include <QComboBox>
#include <QPointer>
#include <QStringList>

class TelaInputRule;

class TelaComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TelaComboBox(QWidget* parent = nullptr);

    void setSorted(bool on) { m_sorted = on; }
    bool sorted() const { return m_sorted; }
    // Editable boxes only; call after the box was made editable.
    void setUpperCase(bool on);

    // Adds a text and returns its index. A sorted box puts it after the entries that equal
    // it, letter case ignored.
    int AddString(const QString& text);
    // Adds every text as AddString would, one after the other; into an empty sorted box
    // with one sort.
    void AddStrings(QStringList texts);
    // Selects an entry by index; -1 selects none and empties an editable box's field.
    void SetCurSel(int index);
    int GetCurSel() const { return currentIndex(); }
    // The width that shows every entry whole, worked out without building the drop-down
    // list (which the box's own size hint does once its size policy changes).
    int entriesWidth() const;
    void ResetContent() { clear(); }

protected:
    // The box passes keys on to its field, which must not type Alt with a letter either.
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_sorted = false;
    QPointer<TelaInputRule> m_rule; // on the field of an editable box
};
