// The most-recently-used file list of the File menu, kept in the application's settings.
#pragma once

#include <QStringList>

class RecentFileList {
public:
    static constexpr int kSize = 4;

    void load();
    void save() const;

    // Puts a path at the top, removing it further down; the oldest falls off the end.
    void add(const QString& path);
    void remove(int index);

    const QStringList& entries() const { return m_entries; }

private:
    QStringList m_entries;
};
