#pragma once
// Per-site records of the settings block: download parameters and naming rule.

#include <QString>
#include <QtGlobal>

namespace lumvane {

struct DownloadParams {
  quint16 minSizeK = 0;     // smallest picture kept, in KiB; 0 no limit
  quint16 maxSizeK = 0;     // largest picture kept, in KiB; 0 no limit
  quint16 threadCount = 5;  // 1 to 15
  quint16 timeoutSec = 30;  // read time-out of a picture, at least 10
};

enum SaveOptions : quint16 {
  OPT_FIX_FORMAT = 0x01,
  OPT_FIX_ORDER = 0x02,
  OPT_NAME_LIST = 0x04,
  OPT_LIST_ONLY = 0x08,
  OPT_OPEN_FOLDER = 0x10,
  OPT_TAOBAO_MAIN = 0x20,
  OPT_SKIP_OLD = 0x40,
  OPT_YUPOO_LARGE = 0x80,
  OPT_TAOBAO_DESC = 0x100,
};

enum NameSource : quint8 { NAME_DESCRIPTION = 0, NAME_SEQUENCE = 1, NAME_ADDRESS = 2 };
enum FolderSource : quint8 { FOLDER_ALBUM_NAME = 0, FOLDER_NONE = 1 };

// Naming rule; every text holds at most kRuleTextMax characters.
struct SaveRule {
  static constexpr int kRuleTextMax = 38;
  QString prefix;
  QString suffix;
  QString replaceFrom;
  QString replaceTo;
  QString folderPrefix;
  QString folderSuffix;
  quint16 options = 0;
  quint8 nameSource = NAME_DESCRIPTION;
  quint8 folderSource = FOLDER_ALBUM_NAME;
};

}  // namespace lumvane
