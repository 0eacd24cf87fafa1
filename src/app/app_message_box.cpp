#include "app_message_box.h"

#include "messages.h"
#include "prompts.h"

MessageBoxLook messageBoxLook(int style) {
    const QMessageBox::StandardButtons buttons = (style & kMbButtons) == kMbOkCancel
                                                     ? QMessageBox::Ok | QMessageBox::Cancel
                                                     : QMessageBox::Ok;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (style & kMbIcon) {
    case kMbIconStop:
        icon = QMessageBox::Critical;
        break;
    case kMbIconQuestion:
        icon = QMessageBox::Question;
        break;
    case kMbExclamation:
        icon = QMessageBox::Warning;
        break;
    case kMbIconInformation:
        icon = QMessageBox::Information;
        break;
    default:
        break;
    }
    return {icon, buttons, QMessageBox::Ok};
}

int messageBoxResult(QMessageBox::StandardButton button) {
    return button == QMessageBox::Ok ? kIdOk : kIdCancel;
}

void installAppMessagePresenter() {
    setMessagePresenter([](const std::string& title, const std::string& text, int style) {
        const MessageBoxLook look = messageBoxLook(style);
        const QMessageBox::StandardButton pressed =
            prompts::message(prompts::messageOwner(), QString::fromUtf8(title),
                             QString::fromUtf8(text), look.icon, look.buttons, look.defaultButton);
        // Closing an OK-only box is its OK.
        if (!(look.buttons & QMessageBox::Cancel))
            return kIdOk;
        return messageBoxResult(pressed);
    });
}
