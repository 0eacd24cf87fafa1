#include "tela_list_box.h"

TelaListBox::TelaListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

int TelaListBox::AddString(const QString& text) {
    int at = count();
    if (m_sorted) {
        at = 0;
        while (at < count() && item(at)->text().compare(text, Qt::CaseInsensitive) <= 0)
            ++at;
    }
    insertItem(at, text);
    return at;
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
