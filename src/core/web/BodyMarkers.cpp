#include "web/BodyMarkers.h"

namespace lumvane {

bool DropThroughStartMarker(QByteArray& body, QByteArrayView marker, qsizetype searchFrom) {
  if (marker.isEmpty()) return false;
  bool dropped = false;
  qsizetype at;
  while ((at = body.indexOf(marker, searchFrom)) >= 0) {
    body.remove(0, at + marker.size());
    dropped = true;
    searchFrom = 0;
  }
  return dropped;
}

bool CutAtEndMarker(QByteArray& body, QByteArrayView marker, qsizetype searchFrom) {
  if (marker.isEmpty()) return false;
  const qsizetype at = body.indexOf(marker, searchFrom);
  if (at < 0) return false;
  body.truncate(at);
  return true;
}

}  // namespace lumvane
