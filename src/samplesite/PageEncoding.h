#pragma once
// A rendered page as bytes on the wire: its character set, its type header
// and, when its owner's pages are compressed and the client accepts it, gzip.

#include "samplesite/HttpRequest.h"
#include "samplesite/HttpResponder.h"
#include "samplesite/SitePage.h"

namespace lumvane {

// The body of `page`; fills in its Content-Type (and Content-Encoding).
HttpBody EncodePage(const SitePage& page, bool clientAcceptsGzip, HttpHeaders& headers);

// Whether an Accept-Encoding value names gzip.
bool AcceptsGzip(QByteArrayView acceptEncoding);

}  // namespace lumvane
