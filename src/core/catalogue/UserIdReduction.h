#pragma once
// Reduces a typed profile or album-list address to the owner's user id.

#include <QString>

namespace lumvane {

class CLumvaneDlg;

// Cuts the address down to the id; a vanity name is looked up on its
// profile page. False when that page could not be fetched.
bool ReduceToUserId(CLumvaneDlg& dlg, QString address, QString& userId);

}  // namespace lumvane
