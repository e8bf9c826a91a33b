#include "text/Replace.h"

namespace lumvane {

// QString::replace moves the whole tail once per batch of matches, which
// grows quadratically on pages with many matches; this builds the result once.
qsizetype ReplaceAll(QString& text, QStringView before, QStringView after) {
  if (before.isEmpty()) return 0;
  qsizetype at = QStringView(text).indexOf(before);
  if (at < 0) return 0;
  QString result;
  result.reserve(text.size());
  qsizetype count = 0;
  qsizetype kept = 0;
  const QStringView source(text);
  while (at >= 0) {
    result.append(source.sliced(kept, at - kept));
    result.append(after);
    kept = at + before.size();
    ++count;
    at = source.indexOf(before, kept);
  }
  result.append(source.sliced(kept));
  text = std::move(result);
  return count;
}

}  // namespace lumvane
