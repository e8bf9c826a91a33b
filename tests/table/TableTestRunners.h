#pragma once
// One runner per test class of the album table; main.cpp runs them all.

namespace lumvane::tests {

int RunGridCellsTests(int argc, char** argv);
int RunGridSelectionTests(int argc, char** argv);
int RunGridSortTests(int argc, char** argv);
int RunAlbumTableTests(int argc, char** argv);

}  // namespace lumvane::tests
