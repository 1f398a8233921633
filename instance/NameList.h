#pragma once
// A fixed list of names, addressed from position 0.
#include <string>
#include <vector>

#include "dmo/Application.h"
#include "dmo/Object.h"

namespace instance {

class NameList final : public dmo::Object<dmo::INameList> {
public:
    explicit NameList(std::vector<std::u16string> names) : names_(std::move(names)) {}

    dmo::HRESULT GetCount(std::int32_t* count) override;
    dmo::HRESULT GetItem(std::int32_t index, std::u16string* name) override;

private:
    std::vector<std::u16string> names_;
};

}  // namespace instance
