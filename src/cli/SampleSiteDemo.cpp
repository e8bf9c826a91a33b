#include "cli/SampleSiteDemo.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QTextStream>
#include <cstdio>

#include "samplesite/SampleContentBuilder.h"

namespace lumvane {

SampleSiteDemo::SampleSiteDemo() : site_(BuildSampleSiteContent()) {}

bool SampleSiteDemo::Start() { return site_.Start(); }

QStringList SampleSiteDemo::ConnectTo() const {
  QStringList mappings;
  for (const QByteArray& host : SampleSite::HostNames()) {
    mappings.append(QString::fromLatin1(host) + u":80:127.0.0.1:" + QString::number(site_.Port()));
  }
  return mappings;
}

QStringList SampleSiteDemo::Addresses() const {
  QStringList addresses;
  for (const SampleUser& user : site_.Content().users) {
    addresses.append(u"http://www.renren.com/" + QString::number(user.id) + u"/profile");
  }
  for (const ZhanSite& zhan : site_.Content().zhanSites) {
    addresses.append(u"http://zhan.renren.com/" + QString::fromUtf8(zhan.path));
  }
  return addresses;
}

void SampleSiteDemo::PrintSummary(const QString& folder) {
  QMap<QString, int> filesPerFolder;
  QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    it.next();
    filesPerFolder[QDir(folder).relativeFilePath(it.fileInfo().path())] += 1;
  }
  QTextStream out(stdout);
  int total = 0;
  for (auto entry = filesPerFolder.cbegin(); entry != filesPerFolder.cend(); ++entry) {
    out << "  " << entry.key() << ": " << entry.value() << " files\n";
    total += entry.value();
  }
  out << "Saved " << total << " files in " << filesPerFolder.size() << " album folders under " << folder << '\n';
}

}  // namespace lumvane
