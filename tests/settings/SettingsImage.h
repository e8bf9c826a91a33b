#pragma once
// Raw "soft.dat" images for the tests, written at the file's own offsets so
// that the tests do not lean on the accessors they check.

#include <QByteArray>
#include <QString>

namespace lumvane::tests {

constexpr int kImageSize = 19808;

constexpr int ParamsAt(int kind) { return 8 * kind; }
constexpr int RuleAt(int kind) { return 192 + 484 * kind; }
constexpr int HistoryAt(int which, int entry) { return 11808 + 4000 * which + 800 * entry; }

void PutU16(QByteArray& image, int offset, quint16 value);
quint16 GetU16(const QByteArray& image, int offset);
// Writes the UTF-16LE units of `text` and a zero unit.
void PutText(QByteArray& image, int offset, const QString& text);

// The file a first run writes.
QByteArray FirstRunImage();

}  // namespace lumvane::tests
