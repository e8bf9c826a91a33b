#pragma once
// Inflating gzip- or zlib-wrapped bodies.

#include <QByteArray>
#include <QByteArrayView>

namespace lumvane {

// Appends the inflated data of a gzip or zlib stream to `out`. True only
// when the end of the stream was reached; corrupt or truncated input keeps
// what inflated before the fault.
bool Inflate(QByteArrayView bytes, QByteArray& out);

}  // namespace lumvane
