#pragma once
// The databases collection of a connected server and its database objects.
#include <vector>

#include "dmo/Object.h"
#include "dmo/Server.h"
#include "instance/Instance.h"

namespace instance {

class DatabaseObject final : public dmo::Object<dmo::IDatabase> {
public:
    explicit DatabaseObject(DatabaseEntry entry) : entry_(std::move(entry)) {}

    dmo::HRESULT GetName(std::u16string* name) override;
    dmo::HRESULT GetSystemObject(bool* system) override;

private:
    DatabaseEntry entry_;
};

class DatabasesObject final : public dmo::Object<dmo::IDatabases> {
public:
    explicit DatabasesObject(std::vector<DatabaseEntry> entries) : entries_(std::move(entries)) {}

    dmo::HRESULT GetCount(std::int32_t* count) override;
    dmo::HRESULT GetItemByOrd(std::int32_t index, dmo::IDatabase** database) override;

private:
    std::vector<DatabaseEntry> entries_;
};

}  // namespace instance
