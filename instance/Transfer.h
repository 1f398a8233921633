#pragma once
// Copies one SQLite database file into another through SQLite's online backup
// API, a few pages at a time, so that progress can be told and an abort can
// stop it between steps.
// Thread contract: any thread; `abort` may be set from another.
#include <atomic>
#include <filesystem>
#include <functional>
#include <string>

namespace instance {

struct TransferResult {
    enum class Outcome { kDone, kAborted, kFailed } outcome = Outcome::kFailed;
    int pages = 0;
    std::string error;
};

// `onPercent` is called once for every multiple of `step` (1 to 100) crossed,
// in order, up to 100. The target file is made or overwritten.
TransferResult TransferInSteps(const std::filesystem::path& from, const std::filesystem::path& to,
                               int step, const std::atomic<bool>& abort,
                               const std::function<void(int percent)>& onPercent);

}  // namespace instance
