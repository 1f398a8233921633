#pragma once
// The folder that holds everything the program keeps: $ZOLMGR_HOME, else
// $XDG_DATA_HOME/zolmgr, else ~/.local/share/zolmgr. Read on every call so a
// test can point it at a temporary folder.
#include <filesystem>

namespace platform {

std::filesystem::path DataHome();

}  // namespace platform
