#pragma once
// Doubles of the application, server, backup and restore objects that record
// every request in one shared log, for tests of what the program asks and in
// which order. Results can be set per request.
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "dmo/Application.h"
#include "dmo/Backup.h"
#include "dmo/Object.h"
#include "dmo/Server.h"

class CallLog {
public:
    void Add(std::string call);
    std::vector<std::string> Calls() const;
    void Clear();

private:
    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
};

class RecordingServer final : public dmo::Object<dmo::IServer> {
public:
    explicit RecordingServer(CallLog& log) : log_(log) {}

    dmo::HRESULT SetName(const char16_t* name) override;
    dmo::HRESULT SetLoginSecure(bool secure) override;
    dmo::HRESULT SetLoginTimeout(std::int32_t seconds) override;
    dmo::HRESULT Connect(const char16_t* server, const char16_t*, const char16_t*) override;
    dmo::HRESULT DisConnect() override;
    dmo::HRESULT ReleaseIdleFiles() override;
    dmo::HRESULT GetStatus(std::int32_t* status) override;
    dmo::HRESULT Start(bool connect, const char16_t* server, const char16_t*,
                       const char16_t*) override;
    dmo::HRESULT Shutdown(bool wait) override;
    dmo::HRESULT Pause() override;
    dmo::HRESULT Continue() override;
    dmo::HRESULT GetDatabases(dmo::IDatabases** databases) override;
    dmo::HRESULT GetDatabaseCount(std::int32_t* count) override;

    std::int32_t status = dmo::kStatusRunning;
    dmo::HRESULT connectResult = dmo::S_OK;
    dmo::HRESULT disconnectResult = dmo::S_OK;
    dmo::HRESULT startResult = dmo::S_OK;

private:
    CallLog& log_;
};

class RecordingBackup final : public dmo::Object<dmo::IBackup> {
public:
    explicit RecordingBackup(CallLog& log) : log_(log) {}
    dmo::HRESULT Abort() override;

private:
    CallLog& log_;
};

class RecordingRestore final : public dmo::Object<dmo::IRestore> {
public:
    explicit RecordingRestore(CallLog& log) : log_(log) {}
    dmo::HRESULT Abort() override;

private:
    CallLog& log_;
};

class RecordingApplication final : public dmo::Object<dmo::IApplication> {
public:
    explicit RecordingApplication(CallLog& log) : log_(log) {}
    dmo::HRESULT ListAvailableSQLServers(dmo::INameList** list) override;

    // The names the network list holds; nothing: no list comes back.
    static inline std::optional<std::vector<std::u16string>> names;

private:
    CallLog& log_;
};

// Registers the four doubles with the object registry; each creation makes a
// new double whose requests go to `log`. `server` (if given) receives the
// server double created last.
void RegisterRecordingObjects(CallLog& log, RecordingServer** server = nullptr);
