#pragma once
// Page text clean-up: tags, the seven entities the sites use, "\u" escapes.

#include <QString>

namespace lumvane {

// Removes every "<...>" tag; text between tags stays as it is.
QString StripTags(const QString& text);

// Replaces &quot; &amp; &lt; &gt; &nbsp; &hellip; &#39; in this order, one
// pass each (so "&amp;lt;" ends as "<").
void DecodeEntities(QString& text);

// Replaces "\u" and four hexadecimal digits by that character.
QString UnescapeU(const QString& text);

}  // namespace lumvane
