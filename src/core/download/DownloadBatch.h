#pragma once
// The pictures of the album being downloaded, handed from the readers to the
// engine: parallel address, name and header arrays plus the album folder.

#include <QHash>
#include <QString>
#include <QStringList>

namespace lumvane {

class DownloadBatch {
 public:
  QString folder;  // ends with the directory separator

  // One entry may hold a fall-back address after "\r\n".
  const QStringList& Urls() const { return urls_; }
  // File names in `folder`, or absolute paths.
  const QStringList& Names() const { return names_; }
  // One extra request header line per picture.
  const QStringList& Headers() const { return headers_; }
  int Count() const { return static_cast<int>(urls_.size()); }
  void Clear();
  void Append(const QString& url, const QString& name, const QString& header);
  void SetName(int index, const QString& name);
  // First entry of `names` equal to `name` without regard to case, or -1.
  int FindBatchName(const QString& name) const;
  // The last number "(k)" given to pictures of this naming stem, 0 if none.
  unsigned LastNumber(const QString& stem) const { return lastNumbers_.value(stem.toCaseFolded(), 0); }
  void SetLastNumber(const QString& stem, unsigned k) { lastNumbers_.insert(stem.toCaseFolded(), k); }

 private:
  void IndexName(int index) const;
  QStringList urls_;
  QStringList names_;
  QStringList headers_;
  mutable QHash<QString, int> nameIndex_;  // case-folded name -> first index
  mutable bool indexStale_ = false;
  QHash<QString, unsigned> lastNumbers_;
};

}  // namespace lumvane
