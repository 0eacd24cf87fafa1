#include "sheet_browse.h"

#include "sheet_page.h"
#include "tela_environment.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QStringList>

#include <utility>

namespace {

FileDialogHook& hook() {
    static FileDialogHook installed;
    return installed;
}

QString platformDialog(QWidget* owner, const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(owner, title, QString(), filter);
}

} // namespace

void setFileDialogHook(FileDialogHook h) {
    hook() = std::move(h);
}

QString qtFileFilter(const QString& filter) {
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty())
            break;
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        entries << parts[i] + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

bool browseForPath(SheetPage& page, int fieldId, const QString& filter, int titleId) {
    auto* field = page.controlAs<QLineEdit>(fieldId);
    if (!field)
        return false;
    const QString title = QString::fromStdString(TelaEnvironment::GetUserString(titleId));
    const QString path = hook() ? hook()(&page, title, qtFileFilter(filter))
                                : platformDialog(&page, title, qtFileFilter(filter));
    if (path.isEmpty())
        return false;
    field->setText(path);
    // A path over the limit is reported now and leaves the focus on the field anyway.
    page.refreshMembers();
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    return true;
}
