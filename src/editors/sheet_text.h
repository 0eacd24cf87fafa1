// The configuration file is single bytes; the sheets show and take them as Latin-1.
#pragma once

#include <QString>

#include <string>

inline QString fromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string toBytes(const QString& text) {
    return text.toLatin1().toStdString();
}
