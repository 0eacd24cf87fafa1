#include "tela_list_box.h"

#include "tela_sorted.h"

#include <utility>

TelaListBox::TelaListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Every entry is one line of the one font: the list lays out thousands of entries from
    // the first one's size instead of measuring each.
    setUniformItemSizes(true);
}

int TelaListBox::AddString(const QString& text) {
    const int at =
        m_sorted ? telaSortedPlace(count(), text, [this](int i) { return GetText(i); }) : count();
    insertItem(at, text);
    return at;
}

void TelaListBox::AddStrings(QStringList texts) {
    telaAddStrings(*this, m_sorted, std::move(texts));
}

void TelaListBox::SetCurSel(int index) {
    if (index < 0 || index >= count()) {
        setCurrentRow(-1);
        clearSelection();
        return;
    }
    setCurrentRow(index);
}

QString TelaListBox::GetText(int index) const {
    const QListWidgetItem* entry = item(index);
    return entry ? entry->text() : QString();
}
