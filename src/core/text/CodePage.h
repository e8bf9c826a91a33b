#pragma once
// Code-page conversions. The program's ANSI code page is 936 (GBK) on every
// platform: it is a Chinese program.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace lumvane {

enum CodePageId : int {
  CP_GBK = 936,
  CP_BIG5 = 950,
  CP_EUC_KR = 51949,
  CP_UTF8 = 65001,
};

constexpr int kAnsiCodePage = CP_GBK;

// UTF-16 to GBK; characters without a GBK form become '?'.
QByteArray ToGbk(const QString& text);

// Bytes in `codePage` to UTF-16; the result ends at the first NUL character.
QString FromCodePage(QByteArrayView bytes, int codePage);

// Bytes in the ANSI code page up to the first zero byte.
QString FromAnsi(QByteArrayView bytes);

// UTF-16 little-endian bytes of `text`, without byte-order mark.
QByteArray ToUtf16Le(QStringView text);

// 1 when the bytes are well-formed UTF-8 with at least one byte >= 0x80,
// else 0 (pure ASCII, empty, malformed).
int IsUtf8(const char* bytes, qint64 length);

}  // namespace lumvane
