#pragma once
// One runner per test class of the album catalogue; main.cpp runs them all.

namespace lumvane::tests {

int RunRenrenListTests(int argc, char** argv);
int RunZhanArchiveTests(int argc, char** argv);
int RunAlbumListJobTests(int argc, char** argv);
int RunAlbumNameTests(int argc, char** argv);
int RunDamagedPageTests(int argc, char** argv);

}  // namespace lumvane::tests
