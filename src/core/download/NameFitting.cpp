#include "download/NameFitting.h"

#include "platform/NameLimits.h"

namespace lumvane {

QString FitComponent(QString base, const QString& suffix) {
  const qsizetype limit = MaxNameComponentLength() - NameComponentLength(suffix);
  if (limit <= 0) return {};
  qsizetype used = 0;
  for (qsizetype i = 0; i < base.size();) {
    const qsizetype step = base[i].isHighSurrogate() && i + 1 < base.size() && base[i + 1].isLowSurrogate() ? 2 : 1;
    used += NameComponentLength(QStringView(base).mid(i, step));
    if (used > limit) {
      base.truncate(i);
      break;
    }
    i += step;
  }
  return base;
}

QString AlbumFilePath(const QString& folder, const QString& name, const QString& ext) {
  return folder + FitComponent(name, ext) + ext;
}

}  // namespace lumvane
