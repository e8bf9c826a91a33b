#pragma once
// Reads a Zhan site: every post of its archive (by month, or by one tag)
// becomes an album record.

#include <QString>

namespace lumvane {

class CLumvaneDlg;

void ReadZhanArchive(CLumvaneDlg& dlg, const QString& address);

}  // namespace lumvane
