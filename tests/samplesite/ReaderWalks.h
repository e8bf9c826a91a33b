#pragma once
// Walks the sample site's pages the way the program's readers do, by
// literal markers searched left to right, so that the tests see what each
// reader would find.

#include <QString>
#include <QStringList>
#include <vector>

#include "SiteClient.h"

namespace lumvane {

// Text between `start` and the next `end` after it, searched from `*from`;
// `*from` moves past `start` when it is found.
QString Between(const QString& text, const QString& start, const QString& end, qsizetype* from = nullptr);
// Pieces after each occurrence of `separator` (the text before the first is
// dropped).
QStringList PiecesAfter(const QString& text, const QString& separator);
QString UnescapeU(const QString& text);
QString Unslash(QString text);

struct WalkedPicture {
  QString url;
  QString title;
};

// What each picture-list reader finds for the album listed at `albumUrl`.
std::vector<WalkedPicture> WalkV7Pages(const SiteClient& client, const QString& albumUrl);
std::vector<WalkedPicture> WalkAjaxPages(const SiteClient& client, const QString& albumUrl);
std::vector<WalkedPicture> WalkPhotoPages(const SiteClient& client, const QString& albumUrl);
// The picture the Zhan reader takes from a post page.
QString WalkZhanPost(const SiteClient& client, const QString& postUrl);

}  // namespace lumvane
