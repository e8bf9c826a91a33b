#pragma once
// Escaping for the texts the sample pages embed.

#include <QString>

#include "samplesite/SampleSiteContent.h"

namespace lumvane {

// Text inside a JSON string as the site writes it: quotes, backslashes and
// slashes escaped ("\/"), everything outside ASCII as "\u" escapes.
QString JsonText(const QString& text);

// Text inside HTML: & < > " as entities.
QString HtmlText(const QString& text);

// A whole HTML page with its meta charset and title around `body`.
QString HtmlDocument(const QString& title, PageCharset charset, const QString& body);

}  // namespace lumvane
