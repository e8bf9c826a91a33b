#include "download/PictureNaming.h"

#include <QDir>
#include <QFileInfo>

#include "app/AppContext.h"
#include "app/ControlIds.h"
#include "app/LumvaneDlg.h"
#include "download/DownloadLists.h"
#include "download/NameFitting.h"
#include "platform/Clock.h"
#include "platform/FileTimes.h"
#include "platform/PathSeparator.h"
#include "text/FileNameText.h"

namespace lumvane {
namespace {

// A site text may name a file by absolute path only inside the save folder.
bool IsPathInside(const QString& path, const QString& root) {
  if (!QDir::isAbsolutePath(path) || root.isEmpty()) return false;
  const QString cleanRoot = QDir::cleanPath(root) + u'/';
  return QDir::cleanPath(path).startsWith(cleanRoot);
}

// The values of the escapes "?1" to "?9" for one picture, made only when a
// name holds an escape: most names hold none.
class Escapes {
 public:
  Escapes(const CLumvaneDlg& dlg, const ST_PERLISTRECORD& album, int sequence)
      : dlg_(dlg), album_(album), sequence_(sequence) {}

  QString Value(int n) const {
    switch (n) {
      case 1:
        return album_.strName;
      case 2:
        return QString::number(sequence_);
      case 3:
        return QString::number(album_.nListPos + 1);
      case 4:
        return QString::number(album_.nUndefined1);
      case 5:
        return QString::number(album_.nUndefined2);
      case 6:
        return QString::number(dlg_.Albums.chosenCount);
      case 7:
        return QString::number(dlg_.Albums.Count());
      case 8:
        return dlg_.OwnerName;
      default:
        return QString::asprintf("%04d", album_.nListPos + 1);
    }
  }

  // Replaces the escapes listed in `which`, in that order.
  void Replace(QString& text, std::initializer_list<int> which) const {
    if (!text.contains(u'?')) return;
    for (int n : which) {
      const QString key = u'?' + QString::number(n);
      if (text.contains(key)) text.replace(key, Value(n));
    }
  }

 private:
  const CLumvaneDlg& dlg_;
  const ST_PERLISTRECORD& album_;
  const int sequence_;
};

QString BaseName(const SaveRule& rule, const ST_PERLISTRECORD& album, const QString& address,
                 const QString& description, const QString& sequence) {
  switch (rule.nameSource) {
    case NAME_DESCRIPTION: {
      QString base = description;
      SanitizeFileName(base, 0, false);
      return base.isEmpty() ? album.strName : base;
    }
    case NAME_ADDRESS: {
      const qsizetype slash = address.lastIndexOf(u'/');
      return slash <= 0 ? sequence : address.mid(slash + 1);
    }
    default:
      return sequence;
  }
}

// First picture of the album: decides and makes its folder.
void OpenAlbumFolder(CLumvaneDlg& dlg, DownloadBatch& batch, const SaveRule& rule, const ST_PERLISTRECORD& album,
                     const Escapes& escapes) {
  QString folderName =
      rule.folderPrefix + (rule.folderSource == FOLDER_NONE ? QString() : album.strName) + rule.folderSuffix;
  escapes.Replace(folderName, {1, 3, 9});
  SanitizeFileName(folderName, 0, false);
  folderName = FitComponent(folderName, {});
  if (!folderName.isEmpty()) batch.folder += folderName + QChar(kPathSeparator);
  QDir().mkdir(batch.folder);
  SetPathTimes(batch.folder, NowUtcSeconds(), true);
  dlg.HistoryMarker = ReadDownloadMarker(batch.folder);
}

}  // namespace

bool HasPictureExtension(const QString& name) {
  const qsizetype dot = name.lastIndexOf(u'.');
  if (dot < 0) return false;
  const QString ext = name.mid(dot).toLower();
  for (const char16_t* known : {u".jpeg", u".jpg", u".bmp", u".gif", u".png", u".tif"}) {
    if (ext == QStringView(known)) return true;
  }
  return false;
}

QString PicturePath(const QString& folder, const QString& name) {
  return QDir::isAbsolutePath(name) ? name : folder + name;
}

void AddPicture(CLumvaneDlg& dlg, const QString& address, const QString& description, const QString& header,
                int albumIndex) {
  DownloadBatch& batch = dlg.App().batch;
  const ST_PERLISTRECORD& album = dlg.Albums.At(albumIndex);
  const SaveRule rule = dlg.Settings.Rule(dlg.CurrentSiteKind);
  const int sequence = batch.Count() + 1;
  const QString sequenceText = QString::number(sequence);
  const Escapes escapes(dlg, album, sequence);

  const bool keepPath = IsPathInside(description, dlg.Download.saveRoot);
  QString name;
  if (keepPath) {
    name = description;
  } else {
    name = rule.prefix + BaseName(rule, album, address, description, sequenceText) + rule.suffix;
    escapes.Replace(name, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    MultiReplace(name, rule.replaceFrom, rule.replaceTo);
    SanitizeFileName(name, kFallbackTimeStamp, true);
  }
  const QString stem = name;

  if (batch.Count() == 0) OpenAlbumFolder(dlg, batch, rule, album, escapes);

  QString ext = QStringLiteral(".jpg");
  if (HasPictureExtension(name)) {
    const qsizetype dot = name.lastIndexOf(u'.');
    ext = name.mid(dot);
    name.truncate(dot);
  }
  if (!keepPath) name = FitComponent(name, ext);
  if (batch.Count() > 0 && batch.FindBatchName(name + ext) >= 0) {
    // Taken names stay taken, so numbering resumes after the last number
    // given to this stem instead of probing from 1 again.
    unsigned k = batch.LastNumber(stem);
    do {
      const QString number = u'(' + QString::number(++k) + u')';
      name = (keepPath ? stem : FitComponent(stem, number + ext)) + number;
    } while (batch.FindBatchName(name + ext) >= 0);
    batch.SetLastNumber(stem, k);
  }
  name += ext;

  if ((rule.options & OPT_SKIP_OLD) && !dlg.HistoryMarker.isEmpty() && address == dlg.HistoryMarker) {
    dlg.DownloadState = DOWNLOAD_STOP_COLLECTING;
    return;
  }
  batch.Append(address, name, header);
  dlg.Port().SetControlText(IDC_STATUS2, u"已获取到" + QString::number(batch.Count()) + u"张图片信息");
  if (rule.options & OPT_NAME_LIST) {
    if (batch.Count() == 1)
      dlg.Download.nameList.Start(AlbumFilePath(batch.folder, album.strName, QStringLiteral(".txt")));
    dlg.Download.nameList.AppendLine(description);
  }
}

bool EnsureFolderPath(DialogPort& port, QString& path) {
  path = path.trimmed();
  if (!EndsWithSeparator(path)) path.append(QChar(kPathSeparator));
  if (path.startsWith(u'\\')) path.remove(0, 1);
  const qsizetype drive = path.indexOf(QStringLiteral(":\\"));
  // Below a drive, or below the root of an absolute path.
  qsizetype from = drive > 0 ? drive + 2 : (path.startsWith(QChar(kPathSeparator)) ? 1 : 0);
  for (;;) {
    const qsizetype sep = path.indexOf(QChar(kPathSeparator), from);
    if (sep <= 0) return true;
    const QString prefix = path.left(sep);
    // A level must be a folder: a file of that name would only make every
    // picture write fail later.
    if (!QFileInfo(prefix).isDir() && !QDir().mkdir(prefix)) {
      port.MessageBox(prefix, QString(), MessageButtons::Ok);
      return false;
    }
    from = sep + 1;
  }
}

}  // namespace lumvane
