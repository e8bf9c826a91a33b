#pragma once
// The directory separator where the original program writes "\\".

#include <QChar>
#include <QString>

namespace lumvane {

#ifdef _WIN32
inline constexpr char16_t kPathSeparator = u'\\';
#else
inline constexpr char16_t kPathSeparator = u'/';
#endif

inline bool EndsWithSeparator(const QString& path) { return path.endsWith(QChar(kPathSeparator)); }

}  // namespace lumvane
