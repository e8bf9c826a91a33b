#include "text/DecimalText.h"

#include <limits>

namespace lumvane {

quint32 ReadDecimal(QStringView text) {
  qsizetype i = 0;
  while (i < text.size() && text[i].isSpace()) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  quint64 number = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    number = number * 10u + static_cast<quint64>(text[i].unicode() - u'0');
    if (number > std::numeric_limits<quint32>::max()) return std::numeric_limits<quint32>::max();
  }
  return negative ? 0u - static_cast<quint32>(number) : static_cast<quint32>(number);
}

}  // namespace lumvane
