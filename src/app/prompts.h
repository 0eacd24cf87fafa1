// Every message box and file dialog of the program goes through here, so that tests can
// answer them in advance: with a PromptScript alive nothing modal is shown, each question
// takes the next prepared answer and is recorded.
#pragma once

#include <QMessageBox>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QDialog;
class QWidget;

namespace prompts {

// texts: captions of our own for some of the standard buttons.
QMessageBox::StandardButton
message(QWidget* owner, const QString& title, const QString& text, QMessageBox::Icon icon,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
        const std::vector<std::pair<QMessageBox::StandardButton, QString>>& texts = {});

// The chosen path, or the empty text when the user cancelled.
QString openFileName(QWidget* owner, const QString& caption, const QString& directory,
                     const QString& filter);
QString saveFileName(QWidget* owner, const QString& caption, const QString& proposed,
                     const QString& filter);

// Runs a dialog modally; with a script alive it is recorded and answered by the script's
// next dialog answer, or taken as accepted.
int execDialog(QDialog& dialog);

// The window a message belongs over: the open modal window, else the main window.
QWidget* messageOwner();
void setMainWindow(QWidget* window);

} // namespace prompts

// Answers prepared by a test. Questions beyond the prepared answers are recorded as
// unanswered and get Cancel (or OK when that is the only button, or no file), so that a
// test never hangs.
class PromptScript {
public:
    struct Shown {
        enum Kind { Message, OpenFile, SaveFile, Dialog } kind;
        QString title;
        QString text; // message text, or the dialog's directory or proposed name
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons = {};
        bool answered = true;
    };

    PromptScript();
    ~PromptScript();
    PromptScript(const PromptScript&) = delete;
    PromptScript& operator=(const PromptScript&) = delete;

    void answerMessage(QMessageBox::StandardButton button) { m_buttons.push_back(button); }
    void answerFile(const QString& path) { m_files.push_back(path); }
    // Acts on the next dialog as a user would, and gives its result.
    void answerDialog(std::function<int(QDialog&)> answer) {
        m_dialogs.push_back(std::move(answer));
    }

    const std::vector<Shown>& shown() const { return m_shown; }
    int unanswered() const;
    bool allAnswersUsed() const {
        return m_buttons.empty() && m_files.empty() && m_dialogs.empty();
    }
    void clearShown() { m_shown.clear(); }

    // Used by the prompts while a script is alive.
    std::optional<QMessageBox::StandardButton> takeButton();
    std::optional<QString> takeFile();
    std::function<int(QDialog&)> takeDialog();
    void record(Shown shown) { m_shown.push_back(std::move(shown)); }

private:
    std::deque<QMessageBox::StandardButton> m_buttons;
    std::deque<QString> m_files;
    std::deque<std::function<int(QDialog&)>> m_dialogs;
    std::vector<Shown> m_shown;
    PromptScript* m_previous = nullptr;
};
