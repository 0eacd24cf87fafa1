#include "sheet_browse.h"

#include "sheet_page.h"
#include "tela_legend.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QStringList>

#include <utility>

namespace {

FileDialogHook& hook() {
    static FileDialogHook installed;
    return installed;
}

// Lets the dialog's first filter entry also show executable files. The file model keeps
// the files its name filter does not match, disabled, so that they can be shown here.
class ProgramFilesProxy : public QSortFilterProxyModel {
public:
    explicit ProgramFilesProxy(QFileDialog& dialog)
        : QSortFilterProxyModel(&dialog), m_dialog(dialog) {}

    bool programsShown() const {
        return m_dialog.selectedNameFilter() == m_dialog.nameFilters().value(0);
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
        const QModelIndex index = sourceModel()->index(row, 0, parent);
        if (!files || files->isDir(index))
            return true;
        return (sourceModel()->flags(index) & Qt::ItemIsEnabled) || executable(index);
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags f = QSortFilterProxyModel::flags(index);
        if (executable(mapToSource(index)))
            f |= Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        return f;
    }

private:
    bool executable(const QModelIndex& sourceIndex) const {
        auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
        return files && programsShown() && !files->isDir(sourceIndex) &&
               files->fileInfo(sourceIndex).isExecutable();
    }

    QFileDialog& m_dialog;
};

QString platformDialog(QWidget* owner, const QString& title, const QString& filter,
                       BrowseFor kind) {
    if (kind == BrowseFor::File)
        return QFileDialog::getOpenFileName(owner, title, QString(), filter);
    QFileDialog dialog(owner, title, QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // The platform's own dialog cannot be given a model.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* proxy = new ProgramFilesProxy(dialog);
    dialog.setProxyModel(proxy);
    if (auto* files = qobject_cast<QFileSystemModel*>(proxy->sourceModel()))
        files->setNameFilterDisables(true);
    QObject::connect(&dialog, &QFileDialog::filterSelected, proxy,
                     &QSortFilterProxyModel::invalidate);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
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

bool browseForPath(SheetPage& page, int fieldId, const QString& filter, int titleId,
                   BrowseFor kind) {
    auto* field = page.controlAs<QLineEdit>(fieldId);
    if (!field)
        return false;
    const QString title = telaPlainLegend(titleId); // the field's label may name it
    const QString path = hook() ? hook()(&page, title, qtFileFilter(filter))
                                : platformDialog(&page, title, qtFileFilter(filter), kind);
    if (path.isEmpty())
        return false;
    field->setText(path);
    // A path over the limit is reported now and leaves the focus on the field anyway.
    page.refreshMembers();
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    return true;
}
