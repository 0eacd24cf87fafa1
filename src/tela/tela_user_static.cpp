#include "tela_user_static.h"

#include "tela_legend.h"

TelaUserStatic::TelaUserStatic(QWidget* parent) : QLabel(parent) {}

int TelaUserStatic::SetLegend(int id) {
    // Only a label with a field to move to takes a mnemonic; any other shows its text plain.
    const QString text = telaLegendText(id);
    setText(buddy() ? text : telaWithoutMnemonic(text));
    return text.isEmpty() ? 0 : 1;
}
