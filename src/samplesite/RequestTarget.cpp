#include "samplesite/RequestTarget.h"

#include <QList>

namespace lumvane {

RequestTarget::RequestTarget(QByteArrayView target) {
  const qsizetype question = target.indexOf('?');
  path_ = (question < 0 ? target : target.first(question)).toByteArray();
  if (question >= 0) query_ = target.sliced(question + 1).toByteArray();
  const qsizetype hash = query_.indexOf('#');
  if (hash >= 0) query_.truncate(hash);
}

QByteArray RequestTarget::Query(QByteArrayView name) const {
  for (const QByteArray& pair : query_.split('&')) {
    const qsizetype equals = pair.indexOf('=');
    const QByteArrayView key = equals < 0 ? QByteArrayView(pair) : QByteArrayView(pair).first(equals);
    if (key == name) return equals < 0 ? QByteArray("") : pair.sliced(equals + 1);
  }
  return QByteArray();
}

std::optional<qint64> RequestTarget::Number(QByteArrayView name, qint64 fallback) const {
  const QByteArray value = Query(name);
  if (value.isNull()) return fallback;
  const bool negative = value.startsWith('-');
  const std::optional<quint64> magnitude = ParseId(negative ? QByteArrayView(value).sliced(1) : QByteArrayView(value));
  if (!magnitude) return std::nullopt;
  return negative ? -static_cast<qint64>(*magnitude) : static_cast<qint64>(*magnitude);
}

std::optional<quint64> ParseId(QByteArrayView text) {
  if (text.isEmpty() || text.size() > 18) return std::nullopt;
  quint64 value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<quint64>(c - '0');
  }
  return value;
}

}  // namespace lumvane
