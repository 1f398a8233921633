#pragma once
// The databases collection of a connected server, its database objects, their
// options and their tables.
// Thread contract: any thread.
#include <mutex>
#include <optional>
#include <vector>

#include "dmo/ComPtr.h"
#include "dmo/Object.h"
#include "dmo/Server.h"
#include "instance/Instance.h"
#include "instance/Sessions.h"

namespace instance {

class DatabaseObject final : public dmo::Object<dmo::IDatabase> {
public:
    // With a session when the database was looked up to be worked on; a
    // database listed in the collection has none until it needs one.
    DatabaseObject(DatabaseEntry entry, std::optional<Session> session)
        : entry_(std::move(entry)), session_(std::move(session)) {}

    dmo::HRESULT GetName(std::u16string* name) override;
    dmo::HRESULT GetSystemObject(bool* system) override;
    dmo::HRESULT CheckTables(std::optional<std::u16string>* messages,
                             std::int32_t repairLevel) override;
    dmo::HRESULT GetDBOption(dmo::IDatabaseOptions** options) override;
    dmo::HRESULT GetTableCount(std::int32_t* count) override;
    dmo::HRESULT GetTableByOrd(std::int32_t index, dmo::ITable** table) override;

    // The options object's way to single-user mode.
    dmo::HRESULT SetSingleUser(bool singleUser);
    bool IsSingleUser();

private:
    bool EnsureSession(std::u16string* error);

    DatabaseEntry entry_;
    std::mutex mutex_;
    std::optional<Session> session_;
};

class DatabaseOptionsObject final : public dmo::Object<dmo::IDatabaseOptions> {
public:
    explicit DatabaseOptionsObject(dmo::ComPtr<DatabaseObject> database)
        : database_(std::move(database)) {}

    dmo::HRESULT SetSingleUser(bool singleUser) override;
    dmo::HRESULT GetSingleUser(bool* singleUser) override;

private:
    dmo::ComPtr<DatabaseObject> database_;
};

class TableObject final : public dmo::Object<dmo::ITable> {
public:
    TableObject(std::filesystem::path file, std::string name)
        : file_(std::move(file)), name_(std::move(name)) {}

    dmo::HRESULT GetName(std::u16string* name) override;
    dmo::HRESULT RebuildIndexes(std::int32_t mode, std::int32_t fillFactor) override;

private:
    std::filesystem::path file_;
    std::string name_;
};

class DatabasesObject final : public dmo::Object<dmo::IDatabases> {
public:
    explicit DatabasesObject(std::vector<DatabaseEntry> entries) : entries_(std::move(entries)) {}

    dmo::HRESULT GetCount(std::int32_t* count) override;
    dmo::HRESULT GetItemByOrd(std::int32_t index, dmo::IDatabase** database) override;

private:
    std::vector<DatabaseEntry> entries_;
};

// The user tables of a database file, in name order: not SQLite's own tables,
// nor the instance's bookkeeping (names beginning "zolmgr_").
std::vector<std::string> UserTables(const std::filesystem::path& file, bool* readable);

}  // namespace instance
