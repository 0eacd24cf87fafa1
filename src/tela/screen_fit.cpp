#include "screen_fit.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {

// The frame round a window: known once it was shown, else what a title bar and borders take.
QSize frameOf(const QWidget& window) {
    const QSize known = window.frameGeometry().size() - window.geometry().size();
    if (!known.isEmpty() || (window.windowFlags() & Qt::FramelessWindowHint))
        return known.expandedTo(QSize(0, 0));
    const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return {2 * border, title + 2 * border};
}

bool isPlacedWindow(const QWidget& w) {
    const Qt::WindowType type = w.windowType();
    return w.isWindow() && (type == Qt::Window || type == Qt::Dialog);
}

} // namespace

QSize roomOnScreen(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return (screen->availableGeometry().size() - frameOf(window)).expandedTo(QSize(1, 1));
}

void fitOnScreen(QWidget& window, QSize wanted, bool place) {
    // A window without a size of its own (no layout, no hint) is left as it is: a size of
    // nothing would hide it from the window system, and a modal one would lose its hold.
    const QScreen* screen = window.screen();
    if (!screen || wanted.isEmpty() || window.isMaximized() || window.isFullScreen())
        return;
    const QSize size = wanted.boundedTo(roomOnScreen(window)).expandedTo(window.minimumSize());
    window.resize(size); // from now on the window's size is its own, as the user's would be
    if (!place)
        return;
    // Inside the available area, frame and all: a window's position is its frame's.
    const QRect area = screen->availableGeometry();
    const QSize frame = frameOf(window);
    const QPoint was = window.pos();
    const int right = area.right() + 1 - size.width() - frame.width();
    const int bottom = area.bottom() + 1 - size.height() - frame.height();
    const QPoint at(std::max(area.left(), std::min(was.x(), right)),
                    std::max(area.top(), std::min(was.y(), bottom)));
    if (at != was)
        window.move(at);
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto& window = *static_cast<QWidget*>(watched);
        if (isPlacedWindow(window)) {
            const bool sizedByProgram = window.testAttribute(Qt::WA_Resized);
            fitOnScreen(window, sizedByProgram ? window.size() : window.sizeHint(),
                        window.testAttribute(Qt::WA_Moved));
        }
    }
    return false;
}

FittingScrollArea::FittingScrollArea(QWidget* contents, QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus); // the keyboard goes to the contents, which scroll into view
    setWidgetResizable(true);
    setWidget(contents);
}

QSize FittingScrollArea::sizeHint() const {
    const QWidget* contents = widget();
    const int frame = 2 * frameWidth();
    if (!contents)
        return QScrollArea::sizeHint();
    return contents->sizeHint().expandedTo(contents->minimumSizeHint()) + QSize(frame, frame);
}

QSize FittingScrollArea::minimumSizeHint() const {
    const int line = fontMetrics().height();
    return {line * 8, line * 3};
}
