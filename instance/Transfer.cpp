#include "instance/Transfer.h"

#include <sqlite3.h>

#include <algorithm>

#include "instance/Sqlite.h"

namespace instance {

TransferResult TransferInSteps(const std::filesystem::path& from, const std::filesystem::path& to,
                               int step, const std::atomic<bool>& abort,
                               const std::function<void(int percent)>& onPercent) {
    TransferResult result;
    Connection source;
    if (!source.OpenReadOnly(from)) {
        result.error = source.Error();
        return result;
    }
    Connection target;
    if (!target.Open(to, true)) {
        result.error = target.Error();
        return result;
    }
    sqlite3_backup* copy = sqlite3_backup_init(target.Handle(), "main", source.Handle(), "main");
    if (copy == nullptr) {
        result.error = sqlite3_errmsg(target.Handle());
        return result;
    }
    step = std::clamp(step, 1, 100);
    int told = 0;  // the last multiple of the step told
    int pagesPerStep = 1;
    int code = SQLITE_OK;
    while (true) {
        if (abort.load()) {
            sqlite3_backup_finish(copy);
            result.outcome = TransferResult::Outcome::kAborted;
            return result;
        }
        code = sqlite3_backup_step(copy, pagesPerStep);
        const int total = sqlite3_backup_pagecount(copy);
        const int left = sqlite3_backup_remaining(copy);
        pagesPerStep = std::max(1, total / 100);
        if (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
            // Another connection holds the file: nothing was copied; wait a
            // little and try again (an abort still ends the wait).
            sqlite3_sleep(10);
            continue;
        }
        if (code != SQLITE_OK && code != SQLITE_DONE)
            break;
        const int percent = code == SQLITE_DONE ? 100
                            : total == 0        ? 0
                                                : (total - left) * 100 / total;
        while (told + step <= percent) {
            told += step;
            onPercent(told);
        }
        if (code == SQLITE_DONE)
            break;
    }
    result.pages = sqlite3_backup_pagecount(copy);
    const int finished = sqlite3_backup_finish(copy);
    if (code != SQLITE_DONE || finished != SQLITE_OK) {
        // The step's own code says which side failed; the target's message
        // would not tell a damaged source.
        result.error = sqlite3_errstr(code != SQLITE_DONE ? code : finished);
        return result;
    }
    result.outcome = TransferResult::Outcome::kDone;
    return result;
}

}  // namespace instance
