#include "backup/OldBackup.h"

#include <system_error>

#include "platform/WindowsPath.h"

OldBackup::OldBackup(std::u16string_view windowsPath)
    : target_(platform::ToLocalPath(windowsPath)) {
    if (!target_)
        return;
    aside_ = target_->string() + ".zolmgr-previous";
    std::error_code ec;
    // An old file left aside by a run that never settled is the last good
    // backup while the target is missing; otherwise the target is newer.
    if (std::filesystem::exists(aside_, ec)) {
        if (std::filesystem::exists(*target_, ec)) {
            std::filesystem::remove(aside_, ec);
        } else {
            std::filesystem::rename(aside_, *target_, ec);
        }
    }
    if (std::filesystem::is_regular_file(*target_, ec)) {
        std::filesystem::rename(*target_, aside_, ec);
        moved_ = !ec;
    }
}

void OldBackup::Settle(bool succeeded) {
    if (!moved_)
        return;
    std::error_code ec;
    if (succeeded) {
        std::filesystem::remove(aside_, ec);
    } else {
        // The failed run left nothing at the target; the old backup goes back.
        std::filesystem::rename(aside_, *target_, ec);
    }
    moved_ = false;
}
