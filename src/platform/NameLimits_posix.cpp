#include "platform/NameLimits.h"

namespace lumvane {

qsizetype NameComponentLength(QStringView name) {
  qsizetype bytes = 0;
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char16_t unit = name[i].unicode();
    if (unit < 0x80) {
      bytes += 1;
    } else if (unit < 0x800) {
      bytes += 2;
    } else if (QChar::isHighSurrogate(unit) && i + 1 < name.size() && QChar::isLowSurrogate(name[i + 1].unicode())) {
      bytes += 4;
      ++i;
    } else {
      bytes += 3;
    }
  }
  return bytes;
}

qsizetype MaxNameComponentLength() { return 255; }

}  // namespace lumvane
