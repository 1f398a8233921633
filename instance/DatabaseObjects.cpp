#include "instance/DatabaseObjects.h"

namespace instance {

dmo::HRESULT DatabaseObject::GetName(std::u16string* name) {
    if (name == nullptr)
        return dmo::E_POINTER;
    *name = entry_.name;
    return dmo::S_OK;
}

dmo::HRESULT DatabaseObject::GetSystemObject(bool* system) {
    if (system == nullptr)
        return dmo::E_POINTER;
    *system = entry_.system;
    return dmo::S_OK;
}

dmo::HRESULT DatabasesObject::GetCount(std::int32_t* count) {
    if (count == nullptr)
        return dmo::E_POINTER;
    *count = static_cast<std::int32_t>(entries_.size());
    return dmo::S_OK;
}

dmo::HRESULT DatabasesObject::GetItemByOrd(std::int32_t index, dmo::IDatabase** database) {
    if (database == nullptr)
        return dmo::E_POINTER;
    *database = nullptr;
    if (index < 0 || static_cast<std::size_t>(index) >= entries_.size())
        return dmo::E_INVALIDARG;
    *database = new DatabaseObject(entries_[static_cast<std::size_t>(index)]);
    return dmo::S_OK;
}

}  // namespace instance
