#include "app/LumvaneDlg.h"

namespace lumvane {

CLumvaneDlg::CLumvaneDlg(DialogPort& port, QString programFolder)
    : ProgramFolder(std::move(programFolder)), port_(port) {}

}  // namespace lumvane
