#pragma once
// Files the user should not see in an ordinary folder listing.

#include <QString>

namespace lumvane {

// The name a hidden file `name` is written under ("pic.orv" becomes
// ".pic.orv" where hiding means a leading dot).
QString HiddenFileName(const QString& name);
// Marks a written file hidden where the file system has such an attribute.
void MarkHidden(const QString& path);

}  // namespace lumvane
