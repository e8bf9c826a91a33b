#include "cli/SampleSiteDemo.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QSet>
#include <QTextStream>
#include <cstdio>

#include "samplesite/SampleContentBuilder.h"

namespace lumvane {

SampleSiteDemo::SampleSiteDemo() : site_(BuildSampleSiteContent()) {}

bool SampleSiteDemo::Start() { return site_.Start(); }

QStringList SampleSiteDemo::ConnectTo() const { return site_.ConnectToMappings(); }

QStringList SampleSiteDemo::Addresses() const { return site_.OwnerAddresses(); }

void SampleSiteDemo::PrintSummary(const QString& folder) {
  // Per owner folder: its album folders and the pictures in them.
  struct Owner {
    QSet<QString> albums;
    int pictures = 0;
  };
  QMap<QString, Owner> owners;
  const QDir root(folder);
  QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    it.next();
    const QStringList levels = root.relativeFilePath(it.fileInfo().path()).split(u'/');
    Owner& owner = owners[levels.front()];
    owner.albums.insert(levels.mid(1).join(u'/'));
    owner.pictures += 1;
  }
  QTextStream out(stdout);
  int albums = 0;
  int pictures = 0;
  out << "\nSaved into " << QDir::toNativeSeparators(folder) << ":\n";
  for (auto owner = owners.cbegin(); owner != owners.cend(); ++owner) {
    out << "  " << owner.key() << ": " << owner->pictures << " files in " << owner->albums.size() << " albums\n";
    albums += static_cast<int>(owner->albums.size());
    pictures += owner->pictures;
  }
  out << "In all " << pictures << " files in " << albums << " albums of " << owners.size() << " owners.\n";
}

}  // namespace lumvane
