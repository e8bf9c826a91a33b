#pragma once
// Page bytes to UTF-16 by the response's character set and the caller's
// text mode.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace lumvane {

// Bits of the text mode given to UrlSource::GetText.
enum TextMode : unsigned {
  TEXT_INFLATE = 1,     // inflate when the response was marked gzip
  TEXT_UTF8 = 2,        // UTF-8 unless the headers name GBK
  TEXT_EUC_KR = 4,      // code page 51949
  TEXT_BIG5 = 8,        // code page 950
  TEXT_AUTO = 16,       // UTF-8 when the bytes are UTF-8, else the ANSI code page
  TEXT_GBK_ZEROS = 32,  // with a GBK header: zero bytes do not end the text
};
// What every page reader passes.
constexpr unsigned kPageTextMode = TEXT_INFLATE | TEXT_UTF8;

// A "charset=GBK" anywhere in the headers (exactly so) selects the ANSI code
// page; otherwise the mode bits choose, UTF-8 first. The ANSI code page is
// also what remains when no bit chooses.
QString DecodeBodyCharset(QByteArray bytes, QByteArrayView responseHeaders, unsigned mode);

}  // namespace lumvane
