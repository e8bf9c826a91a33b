#include "download/DownloadBatch.h"

namespace lumvane {

void DownloadBatch::Clear() {
  urls_.clear();
  names_.clear();
  headers_.clear();
  nameIndex_.clear();
  indexStale_ = false;
  lastNumbers_.clear();
}

void DownloadBatch::Append(const QString& url, const QString& name, const QString& header) {
  urls_.append(url);
  names_.append(name);
  headers_.append(header);
  if (!indexStale_) IndexName(Count() - 1);
}

void DownloadBatch::SetName(int index, const QString& name) {
  names_[index] = name;
  indexStale_ = true;  // renames come after naming; rebuilt only if asked again
}

int DownloadBatch::FindBatchName(const QString& name) const {
  if (indexStale_) {
    nameIndex_.clear();
    for (int i = 0; i < names_.size(); ++i) IndexName(i);
    indexStale_ = false;
  }
  return nameIndex_.value(name.toCaseFolded(), -1);
}

void DownloadBatch::IndexName(int index) const {
  const QString key = names_[index].toCaseFolded();
  if (!nameIndex_.contains(key)) nameIndex_.insert(key, index);
}

}  // namespace lumvane
