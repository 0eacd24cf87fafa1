#include "tela_user_button.h"

#include "tela_legend.h"

#include <QAbstractButton>
#include <QGroupBox>

int TelaUserButton::SetLegend(int id) {
    const QString text = telaLegendText(id);
    if (auto* button = qobject_cast<QAbstractButton*>(m_control.data()))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(m_control.data()))
        group->setTitle(text);
    else
        return 0;
    return text.isEmpty() ? 0 : 1;
}
