#pragma once
// One rendered page before it goes out: its text, its type and the style
// (character set, compression) of whoever it belongs to.

#include <QByteArray>
#include <QString>

#include "samplesite/SampleSiteContent.h"

namespace lumvane {

struct SitePage {
  QString text;
  QByteArray mimeType = "text/html";
  PageStyle style;
};

}  // namespace lumvane
