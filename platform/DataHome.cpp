#include "platform/DataHome.h"

#include <cstdlib>

namespace platform {
namespace {
const char* NonEmptyVariable(const char* name) {
    const char* value = std::getenv(name);
    return (value != nullptr && *value != '\0') ? value : nullptr;
}
}  // namespace

std::filesystem::path DataHome() {
    if (const char* home = NonEmptyVariable("ZOLMGR_HOME")) {
        return home;
    }
    if (const char* data = NonEmptyVariable("XDG_DATA_HOME")) {
        return std::filesystem::path(data) / "zolmgr";
    }
    if (const char* user = NonEmptyVariable("HOME")) {
        return std::filesystem::path(user) / ".local/share/zolmgr";
    }
    return std::filesystem::current_path() / ".zolmgr";
}

}  // namespace platform
