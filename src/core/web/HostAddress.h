#pragma once
// Name lookup for callers that want an address in text form.

#include <QString>

namespace lumvane {

// The first IPv4 address of `name` as "a.b.c.d", or empty when the name does
// not resolve. Names under the reserved "invalid" domain never resolve and
// are not sent to the resolver.
QString ResolveHostAddress(const QString& name);

}  // namespace lumvane
