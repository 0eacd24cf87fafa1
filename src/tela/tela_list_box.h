// A list box with the platform's list operations; sorted lists keep their entries in
// letter order regardless of case.
#pragma once

#include <QListWidget>
#include <QStringList>

class TelaListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TelaListBox(QWidget* parent = nullptr);

    void setSorted(bool on) { m_sorted = on; }
    bool sorted() const { return m_sorted; }

    // Adds a text and returns its index. A sorted list puts it after the entries that equal
    // it.
    int AddString(const QString& text);
    // Adds every text as AddString would, one after the other; into an empty sorted list
    // with one sort.
    void AddStrings(QStringList texts);
    int GetCount() const { return count(); }
    int GetCurSel() const { return currentRow(); }
    void SetCurSel(int index);
    QString GetText(int index) const;
    void ResetContent() { clear(); }

private:
    bool m_sorted = false;
};
