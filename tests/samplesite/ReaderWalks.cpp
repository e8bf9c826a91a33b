#include "ReaderWalks.h"

#include <QSet>

namespace lumvane {

using namespace Qt::StringLiterals;

namespace {

constexpr int kPageLimit = 200;
const QString kPosition = QStringLiteral("\"position\":");

// False when a page brings nothing new: the readers stop there too.
bool AddNew(std::vector<WalkedPicture>& all, QSet<QString>& seen, const std::vector<WalkedPicture>& page) {
  bool fresh = false;
  for (const WalkedPicture& picture : page) {
    if (seen.contains(picture.url)) continue;
    seen.insert(picture.url);
    fresh = true;
  }
  if (fresh) all.insert(all.end(), page.begin(), page.end());
  return fresh;
}

QString Before(const QString& text, const QString& marker) {
  const qsizetype at = text.indexOf(marker);
  return at < 0 ? text : text.left(at);
}

}  // namespace

QString Between(const QString& text, const QString& start, const QString& end, qsizetype* from) {
  const qsizetype begin = text.indexOf(start, from ? *from : 0);
  if (begin < 0) return QString();
  const qsizetype valueAt = begin + start.size();
  if (from) *from = valueAt;
  const qsizetype stop = text.indexOf(end, valueAt);
  return stop < 0 ? QString() : text.mid(valueAt, stop - valueAt);
}

QStringList PiecesAfter(const QString& text, const QString& separator) {
  QStringList pieces = text.split(separator);
  pieces.removeFirst();
  return pieces;
}

QString UnescapeU(const QString& text) {
  QStringList pieces = text.split(QStringLiteral("\\u"));
  QString out = pieces.takeFirst();
  for (const QString& piece : pieces) {
    out += QChar(piece.left(4).toUShort(nullptr, 16));
    out += piece.mid(4);
  }
  return out;
}

QString Unslash(QString text) { return text.replace(QStringLiteral("\\/"), QStringLiteral("/")); }

std::vector<WalkedPicture> WalkV7Pages(const SiteClient& client, const QString& albumUrl) {
  std::vector<WalkedPicture> all;
  QSet<QString> seen;
  for (int page = 1; page <= kPageLimit; ++page) {
    const QStringList pieces = PiecesAfter(
        client.Page(albumUrl + u"bypage/ajax/v7?page=" + QString::number(page) + u"&pageSize=40"), kPosition);
    std::vector<WalkedPicture> found;
    for (const QString& piece : pieces)
      found.push_back({Unslash(Between(piece, QStringLiteral("url\":\""), u"\""_s)), {}});
    if (found.empty() || !AddNew(all, seen, found)) break;
  }
  return all;
}

std::vector<WalkedPicture> WalkAjaxPages(const SiteClient& client, const QString& albumUrl) {
  const QString base = Before(albumUrl, u"?"_s);
  const QString photoBase = Before(base, u"/album-"_s);
  const QString largeMarker = QStringLiteral("class=\"photoes-box\">");
  std::vector<WalkedPicture> all;
  QSet<QString> seen;
  for (int page = 0; page <= kPageLimit; ++page) {
    const QStringList pieces = PiecesAfter(
        client.Page(base + u"/bypage/ajax?curPage=" + QString::number(page) + u"&pagenum=65535"), kPosition);
    std::vector<WalkedPicture> found;
    for (const QString& piece : pieces) {
      qsizetype at = 0;
      WalkedPicture picture{Unslash(Between(piece, QStringLiteral("\"largeUrl\":\""), u"\""_s, &at)),
                            UnescapeU(Between(piece, QStringLiteral("\"title\":\""), u"\""_s, &at))};
      const QString photoId = Between(piece, QStringLiteral("\"photoId\":\""), u"\""_s, &at);
      if (!picture.url.contains(u"original_"_s) && !picture.url.contains(u"xlarge_"_s)) {
        const QString large = client.Page(photoBase + u"/photo-" + photoId + u"/large?xtype=album");
        if (large.indexOf(largeMarker) > 0) {
          picture.url = Between(large.mid(large.lastIndexOf(largeMarker)), u"src=\""_s, u"\""_s);
        }
      }
      found.push_back(picture);
    }
    if (found.empty() || !AddNew(all, seen, found)) break;
  }
  return all;
}

std::vector<WalkedPicture> WalkPhotoPages(const SiteClient& client, const QString& albumUrl) {
  QString albumPage = client.Page(albumUrl);
  albumPage = albumPage.mid(albumPage.indexOf(u"class=\"ablum-infor\">"_s));
  const qsizetype info = albumPage.indexOf(u"data-info=\"{album:'"_s);
  QString next = Between(info < 0 ? albumPage : albumPage.mid(info), u"href=\""_s, u"\""_s);
  std::vector<WalkedPicture> all;
  QSet<QString> seen;
  for (int page = 0; page <= kPageLimit && !next.isEmpty(); ++page) {
    const QString text = client.Page(next);
    const qsizetype list = text.indexOf(u"\"list\":"_s);
    if (list < 0) break;
    std::vector<WalkedPicture> found;
    bool last = false;
    for (const QString& piece : PiecesAfter(text.mid(list), kPosition)) {
      const uint position = Before(piece, u","_s).toUInt();
      if (position >= 6553500) continue;
      qsizetype at = 0;
      WalkedPicture picture;
      picture.title = UnescapeU(Between(piece, QStringLiteral("\"originTitle\":\""), u"\""_s, &at));
      const QString large = Unslash(Between(piece, QStringLiteral("\"largeurl\":\""), u"\""_s, &at));
      next = Unslash(Between(piece, QStringLiteral("\"link\":\""), u"\""_s, &at));
      picture.url = Unslash(Between(piece, QStringLiteral("\"xLargeUrl\":\""), u"\""_s, &at));
      if (picture.url.isEmpty()) picture.url = large;
      found.push_back(picture);
      if (position <= 1) {
        last = true;
        break;
      }
    }
    if (found.empty() || !AddNew(all, seen, found) || last) break;
  }
  return all;
}

QString WalkZhanPost(const SiteClient& client, const QString& postUrl) {
  QString text = client.Page(postUrl);
  const QString start = QStringLiteral("id=\"main-wrap\"");
  text = text.mid(text.lastIndexOf(start) + start.size());
  text = Before(text, u"class=\"ccagreement\">"_s);
  const QString photoBlock = QStringLiteral("class=\"photo\">");
  const QStringList pieces = PiecesAfter(text, text.contains(photoBlock) ? photoBlock : u"<img"_s);
  if (pieces.isEmpty()) return QString();
  const QString address = Between(pieces.first(), u"data-src=\""_s, u"\""_s);
  return address.isEmpty() ? Between(pieces.first(), u"src=\""_s, u"\""_s) : address;
}

}  // namespace lumvane
