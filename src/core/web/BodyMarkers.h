#pragma once
// The start and end marker cuts of a page body, applied while the body
// streams in and again by GetText on inflated bodies.

#include <QByteArray>
#include <QByteArrayView>

namespace lumvane {

// Drops the body up to and including the first occurrence of `marker`, as
// long as one is left, so the body keeps what follows the last occurrence.
// `searchFrom` skips a front part already known to hold no whole marker.
// True when anything was dropped; an empty marker does nothing.
bool DropThroughStartMarker(QByteArray& body, QByteArrayView marker, qsizetype searchFrom = 0);

// Cuts the body before the first occurrence of `marker` at or after
// `searchFrom`; true when it was found. An empty marker does nothing.
bool CutAtEndMarker(QByteArray& body, QByteArrayView marker, qsizetype searchFrom = 0);

}  // namespace lumvane
