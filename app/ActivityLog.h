#pragma once
// The activity log and the progress message that feeds it.
#include <string_view>

#include "ui/Types.h"

// Event codes of UWM_UPDATETEXT.
enum UpdateTextCode : ui::WPARAM {
    kBackupPercent = 0,
    kBackupNextVolume = 1,
    kBackupComplete = 2,
    kRestorePercent = 3,
    kRestoreNextVolume = 4,
    kRestoreComplete = 5,
};

// Adds a line at the end of the log, selects it and scrolls it fully into
// view. Callable from any thread; the whole append is carried out at once on
// the UI thread, so lines from different threads never interleave.
void AppendLogLine(const char16_t* pszLine);

// Posts UWM_UPDATETEXT to the main window. For the text codes the text is
// copied into storage of the message's own, freed once the message has been
// handled (or dropped), so the caller's text need live only for this call.
void PostUpdateText(UpdateTextCode code, std::u16string_view text);
void PostUpdatePercent(UpdateTextCode code, int percent);
