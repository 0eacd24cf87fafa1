#include "tela_legend.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QVariant>

namespace {

TelaTextLookup textLookup = nullptr;

// The library's text for the id a dynamic property names; empty when there is none.
QString propertyText(const QObject& object, const char* property) {
    const QVariant id = object.property(property);
    return id.isValid() ? telaLegendText(id.toInt()) : QString();
}

void applyWidgetLegend(QWidget& w, bool isWindow) {
    if (const QString text = propertyText(w, "legend"); !text.isEmpty()) {
        if (auto* button = qobject_cast<QAbstractButton*>(&w))
            button->setText(text);
        else if (auto* group = qobject_cast<QGroupBox*>(&w))
            group->setTitle(text);
        else if (auto* label = qobject_cast<QLabel*>(&w))
            label->setText(text);
        else if (auto* menu = qobject_cast<QMenu*>(&w))
            menu->setTitle(text);
        else if (isWindow) // a page's title is its tab caption, mnemonic and all
            w.setWindowTitle(text);
    }
    if (const QString text = propertyText(w, "spokenLegend"); !text.isEmpty())
        w.setAccessibleName(telaPlainText(text));
}

} // namespace

void telaSetTextLookup(TelaTextLookup lookup) {
    textLookup = lookup;
}

QString telaLegendText(int id) {
    return textLookup ? QString::fromStdString(textLookup(id)) : QString();
}

QString telaWithoutMnemonic(const QString& legend) {
    QString plain;
    plain.reserve(legend.size());
    for (qsizetype i = 0; i < legend.size(); ++i) {
        if (legend[i] == QLatin1Char('&') && i + 1 < legend.size())
            ++i; // "&x" shows x, "&&" shows one ampersand
        plain.append(legend[i]);
    }
    return plain;
}

QString telaPlainText(const QString& legend) {
    QString plain = telaWithoutMnemonic(legend);
    if (plain.endsWith(QLatin1Char(':')))
        plain.chop(1);
    return plain;
}

QString telaPlainLegend(int id) {
    return telaPlainText(telaLegendText(id));
}

void telaApplyLegends(QWidget& window) {
    applyWidgetLegend(window, true);
    for (QWidget* w : window.findChildren<QWidget*>())
        applyWidgetLegend(*w, w->isWindow());
    for (QAction* action : window.findChildren<QAction*>()) {
        if (const QString text = propertyText(*action, "legend"); !text.isEmpty())
            action->setText(text);
        if (const QString text = propertyText(*action, "promptLegend"); !text.isEmpty())
            action->setStatusTip(text);
    }
}
