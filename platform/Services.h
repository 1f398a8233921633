#pragma once
// What the program asks of the operating system, behind one interface so tests
// can stand in for the machine. The composition root installs the real one.
// Thread contract: Current() and the services may be used from any thread;
// Install() only before other threads exist or from tests.
#include <memory>
#include <optional>
#include <string>

namespace platform {

class Services {
public:
    virtual ~Services() = default;

    // The computer's name: its short host name in upper case, at most 15
    // characters; nothing when the system cannot tell.
    virtual std::optional<std::u16string> ComputerName() = 0;
};

Services& Current();
// Installs `services` and hands back the previous ones (tests restore them).
std::unique_ptr<Services> Install(std::unique_ptr<Services> services);

// The real services of this machine.
std::unique_ptr<Services> MakeSystemServices();

}  // namespace platform
