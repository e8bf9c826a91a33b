#include "web/HostAddress.h"

#include "platform/HostLookup.h"

namespace lumvane {

QString ResolveHostAddress(const QString& name) {
  QString host = name;
  if (host.endsWith(u'.')) host.chop(1);
  if (host.isEmpty() || host.compare(u"invalid", Qt::CaseInsensitive) == 0 ||
      host.endsWith(u".invalid", Qt::CaseInsensitive)) {
    return {};
  }
  return QString::fromLatin1(LookupIPv4(host.toUtf8()));
}

}  // namespace lumvane
