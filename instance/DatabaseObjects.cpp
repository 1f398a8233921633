#include "instance/DatabaseObjects.h"

#include "dmo/ErrorInfo.h"
#include "instance/Integrity.h"
#include "instance/Sqlite.h"
#include "platform/Utf.h"

namespace instance {

std::vector<std::string> UserTables(const std::filesystem::path& file, bool* readable) {
    std::vector<std::string> tables;
    Connection db;
    *readable = db.OpenReadOnly(file);
    if (!*readable)
        return tables;
    Statement query(db,
                    "SELECT name FROM sqlite_master WHERE type = 'table' "
                    "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' "
                    "AND name NOT LIKE 'zolmgr\\_%' ESCAPE '\\' ORDER BY name COLLATE NOCASE");
    while (query.Step())
        tables.push_back(query.Text(0));
    *readable = !query.Failed();
    return tables;
}

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

bool DatabaseObject::EnsureSession(std::u16string* error) {
    if (!session_) {
        if (std::optional<Session> opened = Session::Open(entry_.file, error)) {
            session_.emplace(std::move(*opened));
        }
    }
    return session_.has_value();
}

dmo::HRESULT DatabaseObject::CheckTables(std::optional<std::u16string>* messages,
                                         std::int32_t repairLevel) {
    if (messages == nullptr)
        return dmo::E_POINTER;
    messages->reset();
    CheckResult result;
    if (repairLevel == dmo::kRepairNone) {
        result = CheckDatabaseFile(entry_.file);
    } else if (repairLevel == dmo::kRepairAllowDataLoss) {
        // A repair rewrites the file: nobody else may be using it.
        if (!IsSingleUser()) {
            *messages =
                std::u16string(kMessagePrefix) + u"Repair needs the database in single-user mode.";
            return dmo::Fail(dmo::E_FAIL,
                             u"[zolmgr] Repair needs the database in single-user mode.");
        }
        result = RepairDatabaseFile(entry_.file);
    } else {
        return dmo::Fail(dmo::E_INVALIDARG, u"[zolmgr] Unknown repair level.");
    }
    *messages = std::move(result.messages);
    if (dmo::Failed(result.status)) {
        dmo::SetErrorInfo(u"[zolmgr] The integrity check of '" + entry_.name + u"' failed.");
    }
    return result.status;
}

dmo::HRESULT DatabaseObject::SetSingleUser(bool singleUser) {
    std::lock_guard lock(mutex_);
    std::u16string error;
    if (!EnsureSession(&error) || !session_->SetSingleUser(singleUser, &error)) {
        return dmo::Fail(dmo::E_FAIL, error);
    }
    return dmo::S_OK;
}

bool DatabaseObject::IsSingleUser() {
    std::lock_guard lock(mutex_);
    return session_ && session_->IsSingleUser();
}

dmo::HRESULT DatabaseObject::GetDBOption(dmo::IDatabaseOptions** options) {
    if (options == nullptr)
        return dmo::E_POINTER;
    *options = new DatabaseOptionsObject(dmo::ComPtr<DatabaseObject>::Share(this));
    return dmo::S_OK;
}

dmo::HRESULT DatabaseObject::GetTableCount(std::int32_t* count) {
    if (count == nullptr)
        return dmo::E_POINTER;
    bool readable = false;
    const auto tables = UserTables(entry_.file, &readable);
    *count = static_cast<std::int32_t>(tables.size());
    if (!readable)
        return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The list of tables cannot be read.");
    return dmo::S_OK;
}

dmo::HRESULT DatabaseObject::GetTableByOrd(std::int32_t index, dmo::ITable** table) {
    if (table == nullptr)
        return dmo::E_POINTER;
    *table = nullptr;
    bool readable = false;
    const auto tables = UserTables(entry_.file, &readable);
    if (index < 0 || static_cast<std::size_t>(index) >= tables.size()) {
        return dmo::Fail(dmo::E_INVALIDARG, u"[zolmgr] No table at that position.");
    }
    *table = new TableObject(entry_.file, tables[static_cast<std::size_t>(index)]);
    return dmo::S_OK;
}

dmo::HRESULT DatabaseOptionsObject::SetSingleUser(bool singleUser) {
    return database_->SetSingleUser(singleUser);
}

dmo::HRESULT DatabaseOptionsObject::GetSingleUser(bool* singleUser) {
    if (singleUser == nullptr)
        return dmo::E_POINTER;
    *singleUser = database_->IsSingleUser();
    return dmo::S_OK;
}

dmo::HRESULT TableObject::GetName(std::u16string* name) {
    if (name == nullptr)
        return dmo::E_POINTER;
    *name = platform::FromUtf8(name_);
    return dmo::S_OK;
}

dmo::HRESULT TableObject::RebuildIndexes(std::int32_t, std::int32_t) {
    Connection db;
    if (!db.Open(file_, false) || !db.Exec(("REINDEX " + QuoteIdentifier(name_)).c_str())) {
        return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The indexes of '" + platform::FromUtf8(name_) +
                                          u"' cannot be rebuilt: " +
                                          platform::FromUtf8(db.Error()));
    }
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
    *database = new DatabaseObject(entries_[static_cast<std::size_t>(index)], std::nullopt);
    return dmo::S_OK;
}

}  // namespace instance
