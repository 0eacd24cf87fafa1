// Acting on a modal window from the test that opens it, so that no test waits for a person.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>

// Runs open, which shows a modal window and waits for it; act gets that window once it is
// up, and a dialog that act leaves open is then cancelled. Whether a modal window came up.
inline bool whileModal(const std::function<void(QWidget&)>& act,
                       const std::function<void()>& open) {
    QTimer timer;
    timer.setSingleShot(true);
    bool acted = false;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (!window)
            return;
        acted = true;
        const QPointer<QWidget> shown(window);
        act(*window);
        if (auto* dialog = qobject_cast<QDialog*>(shown.data()); dialog && dialog->isVisible())
            dialog->reject();
    });
    timer.start(0);
    open();
    return acted;
}
