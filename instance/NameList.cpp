#include "instance/NameList.h"

namespace instance {

dmo::HRESULT NameList::GetCount(std::int32_t* count) {
    if (count == nullptr)
        return dmo::E_POINTER;
    *count = static_cast<std::int32_t>(names_.size());
    return dmo::S_OK;
}

dmo::HRESULT NameList::GetItem(std::int32_t index, std::u16string* name) {
    if (name == nullptr)
        return dmo::E_POINTER;
    if (index < 0 || static_cast<std::size_t>(index) >= names_.size())
        return dmo::E_INVALIDARG;
    *name = names_[static_cast<std::size_t>(index)];
    return dmo::S_OK;
}

}  // namespace instance
