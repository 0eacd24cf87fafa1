#include "tela_user_static.h"

#include "tela_legend.h"

TelaUserStatic::TelaUserStatic(QWidget* parent) : QLabel(parent) {}

int TelaUserStatic::SetLegend(int id) {
    const QString text = telaLegendText(id);
    setText(text);
    return text.isEmpty() ? 0 : 1;
}
