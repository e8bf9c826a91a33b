#pragma once
// Hands out the content's pictures: each gets the next id, an address on a
// picture host, and a pixel size its file size has room for.

#include <QByteArray>
#include <QString>

#include "samplesite/SampleHosts.h"
#include "samplesite/SampleSiteContent.h"

namespace lumvane {

struct PictureSpec {
  PictureFormat format = PictureFormat::Jpeg;
  qint64 size = 0;
  QString title;
  QByteArray sizeName = "xlarge_";
  QByteArray host = kPictureHost;
  QByteArray extension;  // empty: the format's own
};

class PictureMint {
 public:
  SamplePicture Make(const PictureSpec& spec);
  // An album cover: a small JPEG.
  SamplePicture MakeCover(const QByteArray& host = kPictureHost);
  // A size in [low, high] that stays the same for the same picture number.
  qint64 SizeBetween(qint64 low, qint64 high) const;

 private:
  quint64 next_ = 8000000001;
};

}  // namespace lumvane
