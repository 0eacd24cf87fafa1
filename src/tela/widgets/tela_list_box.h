// A list box with the platform's list operations; sorted lists keep their entries in
// letter order regardless of case.
#pragma once

#include <QListWidget>

class TelaListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TelaListBox(QWidget* parent = nullptr);

    void setSorted(bool on) { m_sorted = on; }
    bool sorted() const { return m_sorted; }

    int AddString(const QString& text);
    int GetCount() const { return count(); }
    int GetCurSel() const { return currentRow(); }
    void SetCurSel(int index);
    QString GetText(int index) const;
    void ResetContent() { clear(); }

private:
    bool m_sorted = false;
};
