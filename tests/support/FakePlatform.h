#pragma once
// Stands in for the machine: a fixed computer name (or none) while it lives.
#include <memory>
#include <optional>
#include <string>

#include "platform/Services.h"

class FakePlatform final {
public:
    explicit FakePlatform(std::optional<std::u16string> computerName = u"TESTBOX");
    ~FakePlatform();
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

private:
    std::unique_ptr<platform::Services> previous_;
};
