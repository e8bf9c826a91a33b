#pragma once
// The demo: the bundled sample site on a loopback port, under the real
// host names, and the addresses whose albums the demo downloads.

#include <QString>
#include <QStringList>

#include "samplesite/SampleSite.h"

namespace lumvane {

class SampleSiteDemo {
 public:
  SampleSiteDemo();

  bool Start();
  quint16 Port() const { return site_.Port(); }
  // Connect-to mappings that send every host of the site to it.
  QStringList ConnectTo() const;
  // A profile address per user and the address of each Zhan site.
  QStringList Addresses() const;
  // What was saved where: a line per album folder, then the totals.
  static void PrintSummary(const QString& folder);

 private:
  SampleSite site_;
};

}  // namespace lumvane
