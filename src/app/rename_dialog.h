// Asks for a record's new name: one field, filled with the current name and selected, with
// the limit and the capitals of the name's own field in its sheet. OK hands the name to
// the caller, which renames the record or says why not; the dialog then stays open.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

class TelaEdit;

class RenameDialog : public QDialog {
    Q_OBJECT
public:
    // tryName: renames to the bytes given; false when refused (it has said why).
    RenameDialog(const std::string& current, int limit, bool upperCase,
                 std::function<bool(const std::string&)> tryName, QWidget* parent = nullptr);

    TelaEdit& field() const { return *m_field; }
    void accept() override;

private:
    TelaEdit* m_field;
    std::function<bool(const std::string&)> m_tryName;
};
