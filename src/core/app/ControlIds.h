#pragma once
// Control ids of the main window (dialog template 102) and the window
// messages the jobs send to it. Jobs address controls only by these ids.

namespace lumvane {

enum ControlId : int {
  IDC_SAVE_PATH = 1000,      // save-path box
  IDC_ADDRESS = 1001,        // address box
  IDC_SOURCE = 1002,         // source (site) list
  IDC_ALBUM_TABLE = 1003,    // album table
  IDC_GET_ALBUMS = 1004,     // "获取相册" / "终止获取"
  IDC_DOWNLOAD = 1005,       // "下载" / "终止下载"
  IDC_STATUS2 = 1006,        // second status line
  IDC_CHOOSE_FOLDER = 1007,  // "设置"
  IDC_OPEN_FOLDER = 1008,    // "打开"
  IDC_STATUS1 = 1009,        // first status line
  IDC_ALBUM_GROUP = 1011,    // "相册列表" group box
  IDC_SELECT_ALL = 1012,     // "全选"
  IDC_NOTICE = 1013,         // notice line
  IDC_PREVIEW = 1014,        // "预览图"
  IDC_PRAISE_LINK1 = 1027,   // hidden "好评" links
  IDC_PRAISE_LINK2 = 1028,
  IDC_PRAISE_LINK3 = 1029,
  IDC_UPDATE_LINK = 1030,    // "程序有更新"
  IDC_BOTTOM_STATUS = 1031,  // bottom status line
  IDC_MAKER_LINK = 1032,
  IDC_FIND_LINK = 1034,    // "查找"
  IDC_QQ_KIND = 1035,      // QQ sub-kind list
  IDC_FILTER_LINK = 1036,  // "筛选"
  IDC_EXPORT_LINK = 1037,  // "导出"
};

enum WindowMessage : int {
  WM_DOWNLOAD_DONE = 1437,
  WM_OPEN_LOGIN = 1438,
  WM_STARTUP_DONE = 1439,
};

}  // namespace lumvane
