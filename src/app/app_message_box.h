// AppMessageBox on the screen: a real message box with the application title, owned by the
// open modal window or the main window.
#pragma once

#include <QMessageBox>

// Installs the presenter that the core's AppMessageBox calls.
void installAppMessagePresenter();

// The platform's style numbers mapped onto a message box: its icon and buttons.
struct MessageBoxLook {
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};
MessageBoxLook messageBoxLook(int style);
// The platform's button number for what the user pressed (1 OK, 2 Cancel).
int messageBoxResult(QMessageBox::StandardButton button);
