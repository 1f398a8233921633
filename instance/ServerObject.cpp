#include "instance/ServerObject.h"

#include "dmo/ErrorInfo.h"
#include "instance/DatabaseObjects.h"
#include "instance/Operations.h"

namespace instance {
namespace {

const char16_t* StateText(std::int32_t state) {
    switch (state) {
        case dmo::kStatusPaused:
            return u"paused";
        case dmo::kStatusStopped:
            return u"stopped";
        case dmo::kStatusStarting:
            return u"starting";
        case dmo::kStatusStopping:
            return u"stopping";
        case dmo::kStatusContinuing:
            return u"continuing";
        case dmo::kStatusPausing:
            return u"pausing";
        default:
            return u"not available";
    }
}

dmo::HRESULT NotConnected() {
    return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The server object is not connected.");
}

}  // namespace

std::optional<Instance> ServerObject::Target(const char16_t* server) {
    std::u16string name;
    {
        std::lock_guard lock(mutex_);
        name = server != nullptr && *server != u'\0' ? std::u16string(server) : name_;
    }
    std::u16string error;
    std::optional<Instance> found = Instance::Locate(name, &error);
    if (!found)
        dmo::SetErrorInfo(error);
    return found;
}

std::optional<Instance> ServerObject::Connected() {
    std::lock_guard lock(mutex_);
    return connected_;
}

dmo::HRESULT ServerObject::SetName(const char16_t* name) {
    std::lock_guard lock(mutex_);
    name_ = name != nullptr ? name : u"";
    return dmo::S_OK;
}

dmo::HRESULT ServerObject::SetLoginSecure(bool secure) {
    std::lock_guard lock(mutex_);
    loginSecure_ = secure;
    return dmo::S_OK;
}

dmo::HRESULT ServerObject::SetLoginTimeout(std::int32_t seconds) {
    std::lock_guard lock(mutex_);
    loginTimeout_ = seconds;
    return dmo::S_OK;
}

dmo::HRESULT ServerObject::Connect(const char16_t* server, const char16_t*, const char16_t*) {
    std::optional<Instance> target = Target(server);
    if (!target)
        return dmo::E_FAIL;
    const std::int32_t state = target->ServiceState();
    if (state != dmo::kStatusRunning) {
        return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The server '" + target->Name() + u"' is " +
                                          StateText(state) + u" and accepts no connection.");
    }
    std::lock_guard lock(mutex_);
    if (server != nullptr && *server != u'\0')
        name_ = server;
    connected_ = std::move(target);
    return dmo::S_OK;
}

dmo::HRESULT ServerObject::DisConnect() {
    std::lock_guard lock(mutex_);
    // Ending a connection that is already gone is no failure.
    const bool had = connected_.has_value();
    connected_.reset();
    return had ? dmo::S_OK : dmo::S_FALSE;
}

dmo::HRESULT ServerObject::ReleaseIdleFiles() {
    return dmo::S_OK;
}

dmo::HRESULT ServerObject::GetStatus(std::int32_t* status) {
    if (status == nullptr)
        return dmo::E_POINTER;
    *status = dmo::kStatusUnknown;
    std::optional<Instance> target = Target(nullptr);
    if (!target)
        return dmo::E_FAIL;
    *status = target->ServiceState();
    return dmo::S_OK;
}

dmo::HRESULT ServerObject::Start(bool connect, const char16_t* server, const char16_t* login,
                                 const char16_t* password) {
    std::optional<Instance> target = Target(server);
    if (!target)
        return dmo::E_FAIL;
    const std::int32_t state = target->ServiceState();
    if (state != dmo::kStatusStopped && state != dmo::kStatusRunning) {
        return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The service of '" + target->Name() + u"' is " +
                                          StateText(state) + u" and cannot be started.");
    }
    if (state == dmo::kStatusStopped && !target->SetServiceState(dmo::kStatusRunning)) {
        return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The service state could not be changed.");
    }
    return connect ? Connect(server, login, password) : dmo::S_OK;
}

dmo::HRESULT ServerObject::Shutdown(bool) {
    std::optional<Instance> target = Target(nullptr);
    if (!target)
        return dmo::E_FAIL;
    if (!target->SetServiceState(dmo::kStatusStopped)) {
        return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The service state could not be changed.");
    }
    // A stopped server runs nothing: its backups and restores end too.
    RunningOperation::AbortAll(target->Folder());
    return dmo::S_OK;
}

dmo::HRESULT ServerObject::Pause() {
    std::optional<Instance> target = Target(nullptr);
    if (!target)
        return dmo::E_FAIL;
    if (target->ServiceState() != dmo::kStatusRunning) {
        return dmo::Fail(dmo::E_FAIL, u"[zolmgr] Only a running service can be paused.");
    }
    return target->SetServiceState(dmo::kStatusPaused) ? dmo::S_OK : dmo::E_FAIL;
}

dmo::HRESULT ServerObject::Continue() {
    std::optional<Instance> target = Target(nullptr);
    if (!target)
        return dmo::E_FAIL;
    if (target->ServiceState() != dmo::kStatusPaused) {
        return dmo::Fail(dmo::E_FAIL, u"[zolmgr] Only a paused service can be continued.");
    }
    return target->SetServiceState(dmo::kStatusRunning) ? dmo::S_OK : dmo::E_FAIL;
}

dmo::HRESULT ServerObject::GetDatabases(dmo::IDatabases** databases) {
    if (databases == nullptr)
        return dmo::E_POINTER;
    *databases = nullptr;
    std::optional<Instance> connected = Connected();
    if (!connected)
        return NotConnected();
    *databases = new DatabasesObject(connected->Databases());
    return dmo::S_OK;
}

dmo::HRESULT ServerObject::GetDatabaseCount(std::int32_t* count) {
    if (count == nullptr)
        return dmo::E_POINTER;
    *count = 0;
    std::optional<Instance> connected = Connected();
    if (!connected)
        return NotConnected();
    *count = static_cast<std::int32_t>(connected->Databases().size());
    return dmo::S_OK;
}

}  // namespace instance

namespace instance {

dmo::HRESULT ServerObject::GetDatabaseByName(const char16_t* name, dmo::IDatabase** database,
                                             const char16_t* owner) {
    if (database == nullptr)
        return dmo::E_POINTER;
    *database = nullptr;
    if (owner != nullptr && *owner != u'\0')
        return dmo::E_INVALIDARG;
    std::optional<Instance> connected = Connected();
    if (!connected)
        return NotConnected();
    const std::u16string wanted = name != nullptr ? name : u"";
    std::optional<DatabaseEntry> entry = connected->FindDatabase(wanted);
    if (!entry) {
        return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The database '" + wanted + u"' does not exist.");
    }
    std::u16string error;
    std::optional<Session> session = Session::Open(entry->file, &error);
    if (!session)
        return dmo::Fail(dmo::E_FAIL, error);
    *database = new DatabaseObject(std::move(*entry), std::move(session));
    return dmo::S_OK;
}

}  // namespace instance
