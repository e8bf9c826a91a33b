#pragma once
// What one download job keeps while it walks the chosen albums.

#include <QString>
#include <vector>

#include "download/NameListFile.h"
#include "settings/SaveRule.h"

namespace lumvane {

struct DownloadJobState {
  DownloadParams engineParams;  // copied at the job's start
  QString saveRoot;             // save path with owner and tag folders
  std::vector<int> chosenAlbums;
  int total = 0;  // pictures collected over all albums
  NameListFile nameList;

  void Reset() {
    engineParams = {};
    saveRoot.clear();
    chosenAlbums.clear();
    total = 0;
    nameList.Close();
  }
};

}  // namespace lumvane
