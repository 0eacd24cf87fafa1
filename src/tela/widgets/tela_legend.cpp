#include "tela_legend.h"

#include "tela_environment.h"

QString telaLegendText(int id) {
    return QString::fromStdString(TelaEnvironment::GetUserString(id));
}
