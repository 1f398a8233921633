#pragma once
// The server object of the embedded instance: addresses an instance folder by
// server name, keeps one connection to it, and drives its service state.
// Thread contract: any thread; state is guarded, requests may overlap.
#include <mutex>
#include <optional>
#include <string>

#include "dmo/Object.h"
#include "dmo/Server.h"
#include "instance/Instance.h"

namespace instance {

class ServerObject final : public dmo::Object<dmo::IServer> {
public:
    dmo::HRESULT SetName(const char16_t* name) override;
    dmo::HRESULT SetLoginSecure(bool secure) override;
    dmo::HRESULT SetLoginTimeout(std::int32_t seconds) override;
    dmo::HRESULT Connect(const char16_t* server, const char16_t* login,
                         const char16_t* password) override;
    dmo::HRESULT DisConnect() override;
    dmo::HRESULT ReleaseIdleFiles() override;
    dmo::HRESULT GetStatus(std::int32_t* status) override;
    dmo::HRESULT Start(bool connect, const char16_t* server, const char16_t* login,
                       const char16_t* password) override;
    dmo::HRESULT Shutdown(bool wait) override;
    dmo::HRESULT Pause() override;
    dmo::HRESULT Continue() override;
    dmo::HRESULT GetDatabases(dmo::IDatabases** databases) override;
    dmo::HRESULT GetDatabaseCount(std::int32_t* count) override;
    dmo::HRESULT GetDatabaseByName(const char16_t* name, dmo::IDatabase** database,
                                   const char16_t* owner) override;

    // The instance this object is connected to; the backup and restore
    // objects run against it.
    std::optional<Instance> ConnectedInstance() { return Connected(); }

private:
    // The instance a request addresses: the one named, else the addressed one.
    std::optional<Instance> Target(const char16_t* server);
    std::optional<Instance> Connected();

    std::mutex mutex_;
    std::u16string name_;
    bool loginSecure_ = false;
    std::int32_t loginTimeout_ = 60;
    std::optional<Instance> connected_;
};

}  // namespace instance
