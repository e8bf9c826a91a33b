#pragma once
// Host name lookup through the system resolver.

#include <QByteArray>

namespace lumvane {

// The first IPv4 address of `name` in dotted form, or empty when the name
// does not resolve.
QByteArray LookupIPv4(const QByteArray& name);

}  // namespace lumvane
