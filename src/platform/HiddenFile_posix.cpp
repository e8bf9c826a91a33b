#include "platform/HiddenFile.h"

namespace lumvane {

QString HiddenFileName(const QString& name) { return u'.' + name; }

void MarkHidden(const QString& /*path*/) {}

}  // namespace lumvane
