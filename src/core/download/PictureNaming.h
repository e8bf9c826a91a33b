#pragma once
// Naming each picture a reader finds and collecting it into the batch.

#include <QString>

namespace lumvane {

class CLumvaneDlg;
class DialogPort;

// Names the picture by the current naming rule, makes the album folder on
// the album's first picture, and appends the picture to the batch (unless
// it is the one the last download started with and old pictures are
// skipped, which ends the collecting).
void AddPicture(CLumvaneDlg& dlg, const QString& address, const QString& description, const QString& header,
                int albumIndex);

// True for ".jpeg", ".jpg", ".bmp", ".gif", ".png" and ".tif" in any case.
bool HasPictureExtension(const QString& name);

// Normalises `path` (trimmed, ending in the separator) and creates every
// missing folder level. A level that cannot be made is shown in a message
// box and gives false.
bool EnsureFolderPath(DialogPort& port, QString& path);

// The file an entry of the batch is written to.
QString PicturePath(const QString& folder, const QString& name);

}  // namespace lumvane
