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
// when the file is missing, and writes the file back.
void LoadSettingsFile(const QString& programFolder, SettingsBlock& block);

// Writes all 19808 bytes; false when the file cannot be written.
bool SaveSettingsFile(const QString& programFolder, const SettingsBlock& block);

// Reads "<programFolder>下载器扩展设置.ini" into `settings`.
void LoadExtensionSettings(const QString& programFolder, ExtensionSettings& settings);

}  // namespace lumvane
