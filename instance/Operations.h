#pragma once
// The backup and restore runs going on in each instance, so that stopping the
// service stops them too, as stopping a server ends its running work.
// Thread contract: any thread.
#include <atomic>
#include <filesystem>

namespace instance {

// Registers a run's abort flag with its instance for as long as it lives.
class RunningOperation final {
public:
    RunningOperation(const std::filesystem::path& instanceFolder, std::atomic<bool>* abort);
    ~RunningOperation();
    RunningOperation(const RunningOperation&) = delete;
    RunningOperation& operator=(const RunningOperation&) = delete;

    // Asks every run of the instance to stop at its next step.
    static void AbortAll(const std::filesystem::path& instanceFolder);

private:
    std::filesystem::path folder_;
    std::atomic<bool>* abort_;
};

}  // namespace instance
