#include "instance/Operations.h"

#include <map>
#include <mutex>
#include <set>
#include <string>

namespace instance {
namespace {

struct Registry {
    std::mutex mutex;
    std::map<std::string, std::set<std::atomic<bool>*>> runs;
};

Registry& Runs() {
    static Registry registry;
    return registry;
}

std::string Key(const std::filesystem::path& folder) {
    return folder.lexically_normal().string();
}

}  // namespace

RunningOperation::RunningOperation(const std::filesystem::path& instanceFolder,
                                   std::atomic<bool>* abort)
    : folder_(instanceFolder), abort_(abort) {
    std::lock_guard lock(Runs().mutex);
    Runs().runs[Key(folder_)].insert(abort_);
}

RunningOperation::~RunningOperation() {
    std::lock_guard lock(Runs().mutex);
    auto found = Runs().runs.find(Key(folder_));
    if (found == Runs().runs.end())
        return;
    found->second.erase(abort_);
    if (found->second.empty())
        Runs().runs.erase(found);
}

void RunningOperation::AbortAll(const std::filesystem::path& instanceFolder) {
    std::lock_guard lock(Runs().mutex);
    auto found = Runs().runs.find(Key(instanceFolder));
    if (found == Runs().runs.end())
        return;
    for (std::atomic<bool>* abort : found->second)
        *abort = true;
}

}  // namespace instance
