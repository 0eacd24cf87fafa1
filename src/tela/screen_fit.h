// Windows on the screen: none larger than the available area of its screen, none partly
// off it, whatever the scale and the length of the texts. A window whose contents need
// more room than that shows them in a FittingScrollArea.
#pragma once

#include <QObject>
#include <QScrollArea>
#include <QSize>

class QWidget;

// The most room a window's own area may take on its screen: the available area less the
// frame the window manager puts round it.
QSize roomOnScreen(const QWidget& window);

// Gives window the size wanted, within its room on the screen and no smaller than its
// minimum; place: also moves it wholly onto the available area (a window not yet placed
// is left to its own placement: a dialog centres itself within the area).
void fitOnScreen(QWidget& window, QSize wanted, bool place = true);

// Fits every window as it is shown: one the program sized keeps that size where it can,
// one Qt sized takes the size its contents ask for (not Qt's two thirds of the screen).
// Installed once on the application.
class ScreenFit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// A scroll area that asks for the whole size of its contents, so that it scrolls only
// when the window has no room for them; its least size is a few lines.
class FittingScrollArea : public QScrollArea {
public:
    explicit FittingScrollArea(QWidget* contents, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
