#include "records_model.h"

void RecordsModel::setRecords(std::vector<std::string> names, Encoding encoding) {
    beginResetModel();
    m_names = std::move(names);
    m_encoding = encoding;
    endResetModel();
}

void RecordsModel::clear() {
    setRecords({}, Encoding::Latin1);
}

int RecordsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_names.size());
}

QVariant RecordsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const std::string& name = m_names[static_cast<std::size_t>(index.row())];
    const auto size = static_cast<qsizetype>(name.size());
    return m_encoding == Encoding::Utf8 ? QString::fromUtf8(name.data(), size)
                                        : QString::fromLatin1(name.data(), size);
}
