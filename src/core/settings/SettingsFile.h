#pragma once
// Loading and saving "soft.dat", and the extension INI file.

#include <QString>

#include "settings/ExtensionSettings.h"
#include "settings/SettingsBlock.h"

namespace lumvane {

inline constexpr char16_t kSettingsFileName[] = u"soft.dat";
inline constexpr char16_t kExtensionIniName[] = u"下载器扩展设置.ini";

// Reads "<programFolder>soft.dat" into `block` (a short file as far as it
// goes), repairs thread counts and time-outs, applies the first-run defaults
// when the file is missing, and writes the file back. A file that exists but
// cannot be read gets the first-run defaults in memory and is not written.
void LoadSettingsFile(const QString& programFolder, SettingsBlock& block);

// Writes all 19808 bytes through a temporary file renamed into place; false
// (the old file untouched) when it cannot be written.
bool SaveSettingsFile(const QString& programFolder, const SettingsBlock& block);

// Reads "<programFolder>下载器扩展设置.ini" into `settings`. Every value but
// qqOriginalNameMode is reset first; a missing file leaves it at that.
void LoadExtensionSettings(const QString& programFolder, ExtensionSettings& settings);

}  // namespace lumvane
