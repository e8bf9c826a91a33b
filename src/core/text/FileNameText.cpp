#include "text/FileNameText.h"

#include <algorithm>

#include "platform/Clock.h"
#include "text/HtmlText.h"
#include "text/Replace.h"

namespace lumvane {
namespace {

constexpr qsizetype kFallbackLength = 1000;

bool IsDroppedFromName(QChar c) {
  switch (c.unicode()) {
    case u'\r':
    case u'\n':
    case u'\\':
    case u'/':
    case u':':
    case u'*':
    case u'?':
    case u'"':
    case u'<':
    case u'>':
    case u'|':
    case u'\a':
      return true;
    default:
      return false;
  }
}

// Leaves one blank of every run of blanks.
void CollapseBlanks(QString& text) {
  if (!text.contains(u"  ")) return;
  const auto end = std::unique(text.begin(), text.end(), [](QChar a, QChar b) { return a == u' ' && b == u' '; });
  text.truncate(end - text.begin());
}

void DropForbiddenCharacters(QString& text) {
  const auto end = std::remove_if(text.begin(), text.end(), IsDroppedFromName);
  text.truncate(end - text.begin());
  text.replace(u'\t', u'_');
}

bool OnlyDots(const QString& text) {
  return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == u'.'; });
}

void TrimDots(QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text[first] == u'.') ++first;
  while (last > first && text[last - 1] == u'.') --last;
  if (first > 0 || last < text.size()) text = text.sliced(first, last - first);
}

QString FallbackName(int number) {
  if (number == kFallbackTimeStamp) return NowLocal().toString(QStringLiteral("yyyyMMddHHmmss"));
  return QStringLiteral("pic") + QString::number(number);
}

}  // namespace

void MultiReplace(QString& text, const QString& oldList, const QString& newList) {
  if (oldList.isEmpty()) return;  // an empty piece matches nothing
  if (oldList.count(u'|') != newList.count(u'|')) {
    ReplaceAll(text, oldList, newList);
    return;
  }
  const QStringList oldPieces = oldList.split(u'|');
  const QStringList newPieces = newList.split(u'|');
  for (qsizetype i = 0; i < oldPieces.size(); ++i) ReplaceAll(text, oldPieces[i], newPieces[i]);
}

void SanitizeFileName(QString& text, int number, bool useFallback) {
  DecodeEntities(text);
  CollapseBlanks(text);
  text = std::move(text).trimmed();
  // A name of dots alone would mean "this folder" or "the parent folder".
  if (OnlyDots(text)) text.fill(u'\u3002');
  DropForbiddenCharacters(text);
  TrimDots(text);
  text = std::move(text).trimmed();
  if (useFallback && (text.isEmpty() || text.size() >= kFallbackLength)) text = FallbackName(number);
}

}  // namespace lumvane
