#pragma once
// Ends a paging walk whose next page brings only addresses it has already
// seen: a server that ignores the page number, or pages linked in a circle,
// would otherwise keep a reader busy forever.

#include <QSet>
#include <QString>
#include <QStringList>

namespace lumvane {

class PageRepeatGuard {
 public:
  // Records the addresses of one page; false when none of them was new.
  bool AcceptPage(const QStringList& addresses) {
    bool fresh = false;
    for (const QString& address : addresses) {
      if (!seen_.contains(address)) {
        seen_.insert(address);
        fresh = true;
      }
    }
    return fresh;
  }

 private:
  QSet<QString> seen_;
};

}  // namespace lumvane
