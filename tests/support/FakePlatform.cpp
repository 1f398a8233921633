#include "tests/support/FakePlatform.h"

namespace {
class FixedServices final : public platform::Services {
public:
    explicit FixedServices(std::optional<std::u16string> name) : name_(std::move(name)) {}
    std::optional<std::u16string> ComputerName() override { return name_; }

private:
    std::optional<std::u16string> name_;
};
}  // namespace

FakePlatform::FakePlatform(std::optional<std::u16string> computerName)
    : previous_(platform::Install(std::make_unique<FixedServices>(std::move(computerName)))) {}

FakePlatform::~FakePlatform() {
    platform::Install(std::move(previous_));
}
