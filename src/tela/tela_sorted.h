// The letter order of the sorted list and combo boxes: letter case ignored, and an entry
// added after those that equal it, so that equal entries keep the order they came in.
#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>

// Where text goes among count sorted entries, entry(i) giving the i-th: a binary search.
template <typename Entry> int telaSortedPlace(int count, const QString& text, Entry entry) {
    int low = 0;
    int high = count;
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (text.compare(entry(mid), Qt::CaseInsensitive) < 0)
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

// The texts in the order that adding them one by one gives.
inline void telaSort(QStringList& texts) {
    std::stable_sort(texts.begin(), texts.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
}

// Adds texts to a list or combo box control: one by one in their places where the control
// has entries or is not sorted, else sorted once and added together.
template <typename Control> void telaAddStrings(Control& control, bool sorted, QStringList texts) {
    if (!sorted || control.count() > 0) {
        for (const QString& text : texts)
            control.AddString(text);
        return;
    }
    telaSort(texts);
    control.addItems(texts);
}
