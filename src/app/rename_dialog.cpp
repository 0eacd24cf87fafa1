#include "rename_dialog.h"

#include "app_text.h"
#include "string_ids.h"
#include "tela_edit.h"
#include "tela_environment.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

RenameDialog::RenameDialog(const std::string& current, int limit, bool upperCase,
                           std::function<bool(const std::string&)> tryName, QWidget* parent)
    : QDialog(parent), m_field(new TelaEdit(this)), m_tryName(std::move(tryName)) {
    setObjectName(QStringLiteral("renameDialog"));
    setWindowTitle(userString(ids::kRenameTitle).replace(QLatin1String("%1"), fromBytes(current)));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_field->setObjectName(QStringLiteral("newNameEdit"));
    m_field->setLimit(limit);
    m_field->setUpperCase(upperCase);
    m_field->setText(fromBytes(current));
    m_field->selectAll();
    // Room for the longest name the field takes, up to a reasonable width.
    m_field->setMinimumWidth(
        m_field->fontMetrics().horizontalAdvance(QString(std::min(limit, 32), QLatin1Char('N'))) +
        12);
    auto* label = new QLabel(userString(ids::kRenameLabel), this);
    label->setBuddy(m_field);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &RenameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RenameDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(label, m_field);
    layout->addRow(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void RenameDialog::accept() {
    const QString text = m_field->text();
    if (m_tryName(text.toLatin1().toStdString())) {
        QDialog::accept();
        return;
    }
    m_field->setFocus(Qt::OtherFocusReason);
    m_field->selectAll();
}
