#include "tests/support/RecordingObjects.h"

#include <algorithm>

#include "dmo/ClassIds.h"
#include "dmo/Registry.h"
#include "instance/NameList.h"
#include "platform/Utf.h"

void CallLog::Add(std::string call) {
    std::lock_guard lock(mutex_);
    calls_.push_back(std::move(call));
}

std::vector<std::string> CallLog::Calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
}

void CallLog::Clear() {
    std::lock_guard lock(mutex_);
    calls_.clear();
}

namespace {
std::string Text(const char16_t* text) {
    return text == nullptr ? "(none)" : platform::ToUtf8(text);
}
}  // namespace

dmo::HRESULT RecordingServer::SetName(const char16_t* name) {
    log_.Add("server.SetName " + Text(name));
    return dmo::S_OK;
}
dmo::HRESULT RecordingServer::SetLoginSecure(bool secure) {
    log_.Add(std::string("server.SetLoginSecure ") + (secure ? "1" : "0"));
    return dmo::S_OK;
}
dmo::HRESULT RecordingServer::SetLoginTimeout(std::int32_t seconds) {
    log_.Add("server.SetLoginTimeout " + std::to_string(seconds));
    return dmo::S_OK;
}
dmo::HRESULT RecordingServer::Connect(const char16_t* server, const char16_t*, const char16_t*) {
    log_.Add("server.Connect " + Text(server));
    return connectResult;
}
dmo::HRESULT RecordingServer::DisConnect() {
    log_.Add("server.DisConnect");
    return disconnectResult;
}
dmo::HRESULT RecordingServer::ReleaseIdleFiles() {
    log_.Add("server.ReleaseIdleFiles");
    return dmo::S_OK;
}
dmo::HRESULT RecordingServer::GetStatus(std::int32_t* value) {
    log_.Add("server.GetStatus");
    *value = status;
    return dmo::S_OK;
}
dmo::HRESULT RecordingServer::Start(bool connect, const char16_t* server, const char16_t*,
                                    const char16_t*) {
    log_.Add(std::string("server.Start ") + (connect ? "1 " : "0 ") + Text(server));
    return startResult;
}
dmo::HRESULT RecordingServer::Shutdown(bool) {
    log_.Add("server.Shutdown");
    return dmo::S_OK;
}
dmo::HRESULT RecordingServer::Pause() {
    log_.Add("server.Pause");
    return dmo::S_OK;
}
dmo::HRESULT RecordingServer::Continue() {
    log_.Add("server.Continue");
    return dmo::S_OK;
}
dmo::HRESULT RecordingServer::GetDatabases(dmo::IDatabases** databases) {
    log_.Add("server.GetDatabases");
    *databases = nullptr;
    return dmo::E_FAIL;
}
dmo::HRESULT RecordingServer::GetDatabaseCount(std::int32_t* count) {
    log_.Add("server.GetDatabaseCount");
    *count = 0;
    return dmo::S_OK;
}

dmo::HRESULT RecordingServer::GetDatabaseByName(const char16_t* name, dmo::IDatabase** found,
                                                const char16_t* owner) {
    log_.Add("server.GetDatabaseByName " + Text(name) + (owner == nullptr ? "" : " with owner"));
    *found = database;
    if (database == nullptr)
        return dmo::E_FAIL;
    database->AddRef();
    return dmo::S_OK;
}

namespace {
class RecordingTable final : public dmo::Object<dmo::ITable> {
public:
    RecordingTable(CallLog& log, std::int32_t index) : log_(log), index_(index) {}
    dmo::HRESULT GetName(std::u16string* name) override {
        *name = u"table";
        return dmo::S_OK;
    }
    dmo::HRESULT RebuildIndexes(std::int32_t mode, std::int32_t fillFactor) override {
        log_.Add("table" + std::to_string(index_) + ".RebuildIndexes " + std::to_string(mode) +
                 " " + std::to_string(fillFactor));
        return index_ == 1 ? dmo::E_FAIL : dmo::S_OK;  // one table fails, quietly
    }

private:
    CallLog& log_;
    std::int32_t index_;
};
}  // namespace

dmo::HRESULT RecordingDatabase::GetName(std::u16string* name) {
    *name = u"recorded";
    return dmo::S_OK;
}
dmo::HRESULT RecordingDatabase::GetSystemObject(bool* system) {
    *system = false;
    return dmo::S_OK;
}
dmo::HRESULT RecordingDatabase::CheckTables(std::optional<std::u16string>* messages,
                                            std::int32_t repairLevel) {
    log_.Add("database.CheckTables " + std::to_string(repairLevel));
    *messages = checkMessages;
    return checkStatus;
}
dmo::HRESULT RecordingDatabase::GetDBOption(dmo::IDatabaseOptions** options) {
    log_.Add("database.GetDBOption");
    *options = nullptr;
    if (dmo::Failed(optionsResult))
        return optionsResult;
    AddRef();
    *options = this;
    return dmo::S_OK;
}
dmo::HRESULT RecordingDatabase::GetTableCount(std::int32_t* count) {
    log_.Add("database.GetTableCount");
    *count = tableCount;
    return dmo::S_OK;
}
dmo::HRESULT RecordingDatabase::GetTableByOrd(std::int32_t index, dmo::ITable** table) {
    log_.Add("database.GetTableByOrd " + std::to_string(index));
    *table = nullptr;
    if (std::find(missingTables.begin(), missingTables.end(), index) != missingTables.end()) {
        return dmo::E_INVALIDARG;
    }
    *table = new RecordingTable(log_, index);
    return dmo::S_OK;
}
dmo::HRESULT RecordingDatabase::SetSingleUser(bool singleUser) {
    log_.Add(std::string("options.SetSingleUser ") + (singleUser ? "1" : "0"));
    return singleUser ? singleUserResult : dmo::S_OK;
}
dmo::HRESULT RecordingDatabase::GetSingleUser(bool* singleUser) {
    *singleUser = false;
    return dmo::S_OK;
}

dmo::HRESULT RecordingApplication::ListAvailableSQLServers(dmo::INameList** list) {
    log_.Add("application.ListAvailableSQLServers");
    *list = names ? new instance::NameList(*names) : nullptr;
    return dmo::S_OK;
}

namespace {
template <class T, class Hook>
dmo::Factory Make(CallLog& log, Hook hook) {
    return [&log, hook](const dmo::Guid& iid, void** object) {
        auto* created = new T(log);
        hook(created);
        const dmo::HRESULT status = created->QueryInterface(iid, object);
        created->Release();
        return status;
    };
}
}  // namespace

void RegisterRecordingObjects(CallLog& log, RecordingServer** server, RecordingBackup** backup,
                              RecordingRestore** restore) {
    dmo::Registry& registry = dmo::Registry::Instance();
    auto none = [](auto*) {};
    auto keep = [](auto** where) {
        return [where](auto* created) {
            if (where != nullptr)
                *where = created;
        };
    };
    registry.Register(dmo::kClsidApplication, Make<RecordingApplication>(log, none));
    registry.Register(dmo::kClsidServer, Make<RecordingServer>(log, keep(server)));
    registry.Register(dmo::kClsidBackup, Make<RecordingBackup>(log, keep(backup)));
    registry.Register(dmo::kClsidRestore, Make<RecordingRestore>(log, keep(restore)));
}
