#pragma once
// The path and query of a request target, taken apart without decoding:
// every value the sample pages link to is plain ASCII.

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace lumvane {

class RequestTarget {
 public:
  explicit RequestTarget(QByteArrayView target);

  const QByteArray& Path() const { return path_; }
  // Value of the first parameter `name`; null when absent.
  QByteArray Query(QByteArrayView name) const;
  // A parameter read as a number; `fallback` when absent, nullopt when it
  // is present but not a number.
  std::optional<qint64> Number(QByteArrayView name, qint64 fallback) const;

 private:
  QByteArray path_;
  QByteArray query_;
};

// A decimal identifier of 1 to 18 digits and nothing else.
std::optional<quint64> ParseId(QByteArrayView text);

}  // namespace lumvane
