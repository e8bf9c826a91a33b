#pragma once
// One album found by a list reader, and the album list of the main window.

#include <QString>
#include <memory>
#include <vector>

namespace lumvane {

// Longest album name the list keeps.
inline constexpr qsizetype kAlbumNameMax = 80;

enum AlbumFlag : quint32 {
  ALBUM_PASSWORD = 0x1,
  ALBUM_PRIVATE = 0x2,
  ALBUM_FRIENDS = 0x4,
  ALBUM_NUMBER = 0x80000000u,  // the other 31 bits are a number shown instead of a kind
};

struct ST_PERLISTRECORD {
  QString strName;
  QString strUrl;
  QString strCoverUrl;
  QString strExtra1;
  QString strExtra2;
  qint32 nPhotoCount = -1;  // -1: not reported
  quint32 nFlags = 0;
  qint32 nUndefined1 = 0;
  qint32 nUndefined2 = 0;
  qint32 nListPos = 0;
  qint32 nThumbIndex = -1;
};

// Owned by the main window; records keep their address while the list grows.
struct AlbumList {
  std::vector<std::unique_ptr<ST_PERLISTRECORD>> records;
  int chosenCount = 0;  // albums chosen for the current download

  int Count() const { return static_cast<int>(records.size()); }
  ST_PERLISTRECORD& At(int index) { return *records.at(static_cast<size_t>(index)); }
  const ST_PERLISTRECORD& At(int index) const { return *records.at(static_cast<size_t>(index)); }
  bool ContainsName(const QString& name) const {
    for (const auto& record : records) {
      if (record->strName == name) return true;
    }
    return false;
  }
};

}  // namespace lumvane
