#include "tests/support/RecordingObjects.h"

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

dmo::HRESULT RecordingBackup::Abort() {
    log_.Add("backup.Abort");
    return dmo::S_OK;
}

dmo::HRESULT RecordingRestore::Abort() {
    log_.Add("restore.Abort");
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

void RegisterRecordingObjects(CallLog& log, RecordingServer** server) {
    dmo::Registry& registry = dmo::Registry::Instance();
    auto none = [](auto*) {};
    registry.Register(dmo::kClsidApplication, Make<RecordingApplication>(log, none));
    registry.Register(dmo::kClsidServer, Make<RecordingServer>(log, [server](RecordingServer* s) {
                          if (server != nullptr)
                              *server = s;
                      }));
    registry.Register(dmo::kClsidBackup, Make<RecordingBackup>(log, none));
    registry.Register(dmo::kClsidRestore, Make<RecordingRestore>(log, none));
}
