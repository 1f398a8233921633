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

// A database whose check, options and tables answer as a test sets them.
class RecordingDatabase final : public dmo::Object<dmo::IDatabase, dmo::IDatabaseOptions> {
public:
    explicit RecordingDatabase(CallLog& log) : log_(log) {}

    dmo::HRESULT GetName(std::u16string* name) override;
    dmo::HRESULT GetSystemObject(bool* system) override;
    dmo::HRESULT CheckTables(std::optional<std::u16string>* messages,
                             std::int32_t repairLevel) override;
    dmo::HRESULT GetDBOption(dmo::IDatabaseOptions** options) override;
    dmo::HRESULT GetTableCount(std::int32_t* count) override;
    dmo::HRESULT GetTableByOrd(std::int32_t index, dmo::ITable** table) override;
    dmo::HRESULT SetSingleUser(bool singleUser) override;
    dmo::HRESULT GetSingleUser(bool* singleUser) override;

    dmo::HRESULT checkStatus = dmo::S_OK;
    std::optional<std::u16string> checkMessages;
    dmo::HRESULT optionsResult = dmo::S_OK;
    dmo::HRESULT singleUserResult = dmo::S_OK;
    std::int32_t tableCount = 0;
    std::vector<std::int32_t> missingTables;  // positions whose fetch fails

private:
    CallLog& log_;
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
    dmo::HRESULT GetDatabaseByName(const char16_t* name, dmo::IDatabase** database,
                                   const char16_t* owner) override;

    // What a look-up by name finds; none: the database is unknown.
    RecordingDatabase* database = nullptr;
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
