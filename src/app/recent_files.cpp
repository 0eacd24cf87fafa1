#include "recent_files.h"

#include "path_bytes.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString kGroup = QStringLiteral("Recent File List");
QString key(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}
// As text where the name is UTF-8, so that the settings stay readable; else as its bytes.
QVariant storedForm(const QString& path) {
    const QByteArray bytes = bytesFromPath(path);
    return QString::fromUtf8(bytes).toUtf8() == bytes ? QVariant(path) : QVariant(bytes);
}
} // namespace

void RecentFileList::load() {
    QSettings settings;
    settings.beginGroup(kGroup);
    m_entries.clear();
    for (int i = 0; i < kSize; ++i) {
        // A name that is not UTF-8 is kept as its bytes, any other as text.
        const QVariant value = settings.value(key(i));
        const QString path = value.typeId() == QMetaType::QByteArray
                                 ? pathFromBytes(value.toByteArray())
                                 : value.toString();
        if (!path.isEmpty() && !m_entries.contains(path))
            m_entries.append(path);
    }
}

void RecentFileList::save() const {
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int i = 0; i < kSize; ++i) {
        if (i < m_entries.size())
            settings.setValue(key(i), storedForm(m_entries[i]));
        else
            settings.remove(key(i));
    }
}

void RecentFileList::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_entries.removeAll(absolute);
    m_entries.prepend(absolute);
    while (m_entries.size() > kSize)
        m_entries.removeLast();
}

void RecentFileList::remove(int index) {
    if (index >= 0 && index < m_entries.size())
        m_entries.removeAt(index);
}
