#pragma once
// Stored texts are Windows-1252 bytes; widgets speak QString. These convert at that edge.
#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

#include "chart/text.h"

namespace zentrel::platform {

inline QString fromCp1252(const std::string& bytes)
{
    const std::string utf8 = cp1252ToUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A character that Windows-1252 cannot hold becomes "?".
inline std::string toCp1252(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

} // namespace zentrel::platform
