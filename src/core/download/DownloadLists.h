#pragma once
// Files written beside an album's pictures, and the fixes applied to the
// pictures after a download.

#include <QString>

namespace lumvane {

class DownloadBatch;

// Address list for an external download manager: GBK, one line per address.
bool WriteUrlList(const DownloadBatch& batch, const QString& path);

// The marker that tells the next download where this one began.
void WriteDownloadMarker(const QString& address, const QString& folder);
QString ReadDownloadMarker(const QString& folder);

// Renames every picture of the batch to the extension its content shows.
void FixPictureFormats(DownloadBatch& batch);
// Renames one file by its first bytes; returns the path it has afterwards.
QString DetectPictureType(const QString& path);
// Gives the pictures times one minute apart, the first the newest.
void FixPictureOrder(const DownloadBatch& batch);

}  // namespace lumvane
