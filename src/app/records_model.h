// The records list's model: a view over the names the document listed, converted only when
// a row is painted, so that a kind with thousands of records shows at once.
#pragma once

#include <QAbstractListModel>

#include <string>
#include <vector>

class RecordsModel : public QAbstractListModel {
    Q_OBJECT
public:
    // Record names come from the file as single bytes; the one entry of a one-record kind
    // is a text of the language library.
    enum class Encoding { Latin1, Utf8 };

    using QAbstractListModel::QAbstractListModel;

    void setRecords(std::vector<std::string> names, Encoding encoding);
    void clear();

    // The bytes of a row exactly as the document gave them.
    const std::string& nameAt(int row) const { return m_names.at(static_cast<std::size_t>(row)); }
    const std::vector<std::string>& names() const { return m_names; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<std::string> m_names;
    Encoding m_encoding = Encoding::Latin1;
};
