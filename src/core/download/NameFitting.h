#pragma once
// Keeping file and folder names within the file system's limit for one
// path component.

#include <QString>

namespace lumvane {

// `base` cut, never inside a character, so that base + suffix fits one
// path component.
QString FitComponent(QString base, const QString& suffix);

// "<folder><name><ext>" with the name cut to fit.
QString AlbumFilePath(const QString& folder, const QString& name, const QString& ext);

}  // namespace lumvane
