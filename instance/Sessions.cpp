#include "instance/Sessions.h"

#include <map>
#include <mutex>
#include <set>
#include <utility>

namespace instance {
namespace {

struct DatabaseUse {
    std::set<std::uint64_t> sessions;
    std::uint64_t singleUser = 0;  // the session holding single-user mode, or 0
};

struct Registry {
    std::mutex mutex;
    std::map<std::string, DatabaseUse> databases;
    std::uint64_t next = 1;
};

Registry& Uses() {
    static Registry registry;
    return registry;
}

std::string Key(const std::filesystem::path& file) {
    return file.lexically_normal().string();
}

}  // namespace

std::optional<Session> Session::Open(const std::filesystem::path& file, std::u16string* error) {
    Registry& registry = Uses();
    std::lock_guard lock(registry.mutex);
    DatabaseUse& use = registry.databases[Key(file)];
    if (use.singleUser != 0) {
        if (error != nullptr) {
            *error = u"[zolmgr] The database is in single-user mode and another session uses it.";
        }
        return std::nullopt;
    }
    const std::uint64_t id = registry.next++;
    use.sessions.insert(id);
    return Session(file, id);
}

Session::Session(Session&& other) noexcept
    : file_(std::move(other.file_)), id_(std::exchange(other.id_, 0)) {}

Session::~Session() {
    if (id_ == 0)
        return;
    Registry& registry = Uses();
    std::lock_guard lock(registry.mutex);
    auto found = registry.databases.find(Key(file_));
    if (found == registry.databases.end())
        return;
    found->second.sessions.erase(id_);
    if (found->second.singleUser == id_)
        found->second.singleUser = 0;
    if (found->second.sessions.empty())
        registry.databases.erase(found);
}

bool Session::SetSingleUser(bool singleUser, std::u16string* error) {
    Registry& registry = Uses();
    std::lock_guard lock(registry.mutex);
    DatabaseUse& use = registry.databases[Key(file_)];
    if (!singleUser) {
        if (use.singleUser == id_)
            use.singleUser = 0;
        return true;
    }
    if (use.singleUser == id_)
        return true;
    if (use.sessions.size() > 1 || use.singleUser != 0) {
        if (error != nullptr) {
            *error = u"[zolmgr] Single-user mode is refused: other sessions use the database.";
        }
        return false;
    }
    use.singleUser = id_;
    return true;
}

bool Session::IsSingleUser() const {
    Registry& registry = Uses();
    std::lock_guard lock(registry.mutex);
    auto found = registry.databases.find(Key(file_));
    return found != registry.databases.end() && found->second.singleUser == id_;
}

int Session::SessionCount() const {
    Registry& registry = Uses();
    std::lock_guard lock(registry.mutex);
    auto found = registry.databases.find(Key(file_));
    return found == registry.databases.end() ? 0 : static_cast<int>(found->second.sessions.size());
}

}  // namespace instance
