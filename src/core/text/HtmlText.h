#pragma once
// Page text clean-up: tags, the seven entities the sites use, "\u" escapes.

#include <QString>

namespace lumvane {

// Removes every tag, from a "<" to the next ">" ("<>" included); text between
// tags stays as it is, and so does an unclosed "<" with the text after it.
QString StripTags(const QString& text);

// Replaces &quot; &amp; &lt; &gt; &nbsp; &hellip; &#39; in this order, one
// pass each (so "&amp;lt;" ends as "<").
void DecodeEntities(QString& text);

// Replaces "\u" and four hexadecimal digits by that character. A "\u" with
// fewer than four characters after it is dropped; one followed by four
// characters that are not all hexadecimal digits is kept as it is.
QString UnescapeU(const QString& text);

}  // namespace lumvane
