#include "prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QPointer>

namespace {

PromptScript*& activeScript() {
    static PromptScript* script = nullptr;
    return script;
}

QPointer<QWidget>& mainWindowPointer() {
    static QPointer<QWidget> window;
    return window;
}

QString scriptedFile(PromptScript& script, PromptScript::Shown shown) {
    std::optional<QString> answer = script.takeFile();
    shown.answered = answer.has_value();
    script.record(std::move(shown));
    return answer.value_or(QString());
}

} // namespace

PromptScript::PromptScript() : m_previous(activeScript()) {
    activeScript() = this;
}

PromptScript::~PromptScript() {
    activeScript() = m_previous;
}

int PromptScript::unanswered() const {
    int n = 0;
    for (const Shown& s : m_shown)
        n += s.answered ? 0 : 1;
    return n;
}

std::optional<QMessageBox::StandardButton> PromptScript::takeButton() {
    if (m_buttons.empty())
        return std::nullopt;
    const QMessageBox::StandardButton button = m_buttons.front();
    m_buttons.pop_front();
    return button;
}

std::optional<QString> PromptScript::takeFile() {
    if (m_files.empty())
        return std::nullopt;
    QString path = m_files.front();
    m_files.pop_front();
    return path;
}

std::function<int(QDialog&)> PromptScript::takeDialog() {
    if (m_dialogs.empty())
        return {};
    std::function<int(QDialog&)> answer = std::move(m_dialogs.front());
    m_dialogs.pop_front();
    return answer;
}

namespace prompts {

void setMainWindow(QWidget* window) {
    mainWindowPointer() = window;
}

QWidget* messageOwner() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return mainWindowPointer().data();
}

QMessageBox::StandardButton
message(QWidget* owner, const QString& title, const QString& text, QMessageBox::Icon icon,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
        const std::vector<std::pair<QMessageBox::StandardButton, QString>>& texts) {
    if (PromptScript* script = activeScript()) {
        std::optional<QMessageBox::StandardButton> answer = script->takeButton();
        script->record(
            {PromptScript::Shown::Message, title, text, icon, buttons, answer.has_value()});
        if (answer)
            return *answer;
        // Unanswered, a question is declined.
        if (buttons & QMessageBox::Cancel)
            return QMessageBox::Cancel;
        return (buttons & QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    }
    QMessageBox box(icon, title, text, buttons, owner);
    box.setDefaultButton(defaultButton);
    for (const auto& [button, caption] : texts)
        if (QAbstractButton* b = box.button(button))
            b->setText(caption);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString openFileName(QWidget* owner, const QString& caption, const QString& directory,
                     const QString& filter) {
    if (PromptScript* script = activeScript())
        return scriptedFile(*script, {PromptScript::Shown::OpenFile, caption, directory});
    return QFileDialog::getOpenFileName(owner, caption, directory, filter);
}

QString saveFileName(QWidget* owner, const QString& caption, const QString& proposed,
                     const QString& filter) {
    if (PromptScript* script = activeScript())
        return scriptedFile(*script, {PromptScript::Shown::SaveFile, caption, proposed});
    return QFileDialog::getSaveFileName(owner, caption, proposed, filter);
}

int execDialog(QDialog& dialog) {
    if (PromptScript* script = activeScript()) {
        script->record({PromptScript::Shown::Dialog, dialog.windowTitle(), {}});
        if (std::function<int(QDialog&)> answer = script->takeDialog())
            return answer(dialog);
        return QDialog::Accepted;
    }
    return dialog.exec();
}

} // namespace prompts
