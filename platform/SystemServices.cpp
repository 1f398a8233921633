#include <unistd.h>

#include <limits.h>
#include <cctype>

#include "platform/Services.h"

namespace platform {
namespace {

// Computer names are NetBIOS-style: at most 15 characters, upper case.
constexpr std::size_t kComputerNameLength = 15;

class SystemServices final : public Services {
public:
    std::optional<std::u16string> ComputerName() override {
        char host[HOST_NAME_MAX + 1] = {};
        if (gethostname(host, sizeof host - 1) != 0 || host[0] == '\0') {
            return std::nullopt;
        }
        std::u16string name;
        for (const char* c = host; *c != '\0' && *c != '.' && name.size() < kComputerNameLength;
             ++c) {
            name.push_back(static_cast<char16_t>(std::toupper(static_cast<unsigned char>(*c))));
        }
        return name;
    }
};

std::unique_ptr<Services>& Slot() {
    static std::unique_ptr<Services> services = MakeSystemServices();
    return services;
}

}  // namespace

std::unique_ptr<Services> MakeSystemServices() {
    return std::make_unique<SystemServices>();
}

Services& Current() {
    return *Slot();
}

std::unique_ptr<Services> Install(std::unique_ptr<Services> services) {
    std::swap(Slot(), services);
    return services;
}

}  // namespace platform
