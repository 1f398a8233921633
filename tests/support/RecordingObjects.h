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
#include "dmo/ConnectionPoint.h"
#include "dmo/ErrorInfo.h"
#include "dmo/Object.h"
#include "dmo/Server.h"
#include "platform/Utf.h"

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

// What a backup or restore double does: which step of the connection point
// fails, what the run returns and the events it fires meanwhile. The events
// go to the advised sink on the thread that runs.
struct RunScript {
    bool noContainer = false;
    dmo::HRESULT findResult = dmo::S_OK;
    dmo::HRESULT adviseResult = dmo::S_OK;
    dmo::HRESULT unadviseResult = dmo::S_OK;
    dmo::HRESULT runResult = dmo::S_OK;
    std::optional<std::u16string> errorInfo;  // left on the thread by a failing run
    std::vector<int> percents;
    std::optional<std::u16string> nextVolume;
    std::optional<std::u16string> complete;
};

template <class Run, class Sink>
class RecordingRun
    : public dmo::Object<Run, dmo::IConnectionPointContainer, dmo::IConnectionPoint> {
public:
    RecordingRun(CallLog& log, std::string name) : log_(log), name_(std::move(name)) {}

    dmo::HRESULT QueryInterface(const dmo::Guid& iid, void** object) override {
        if (iid == dmo::IConnectionPointContainer::kIid && script.noContainer) {
            *object = nullptr;
            return dmo::E_NOINTERFACE;
        }
        return dmo::Object<Run, dmo::IConnectionPointContainer,
                           dmo::IConnectionPoint>::QueryInterface(iid, object);
    }
    dmo::HRESULT SetDatabase(const char16_t* name) override { return Note("SetDatabase", name); }
    dmo::HRESULT SetFiles(const char16_t* files) override { return Note("SetFiles", files); }
    dmo::HRESULT SetPercentCompleteNotification(std::int32_t step) override {
        return Note("SetPercentCompleteNotification " + std::to_string(step));
    }
    dmo::HRESULT GenerateSQL(std::u16string* statement) override {
        *statement = u"";
        return dmo::S_OK;
    }
    dmo::HRESULT Abort() override { return Note("Abort"); }
    dmo::HRESULT FindConnectionPoint(const dmo::Guid& iid, dmo::IConnectionPoint** point) override {
        Note("FindConnectionPoint");
        *point = nullptr;
        if (dmo::Failed(script.findResult) || iid != Sink::kIid)
            return script.findResult;
        this->AddRef();
        *point = this;
        return dmo::S_OK;
    }
    dmo::HRESULT Advise(dmo::IUnknown* sink, std::uint32_t* cookie) override {
        Note("Advise");
        *cookie = 0;
        if (dmo::Failed(script.adviseResult))
            return script.adviseResult;
        sink->QueryInterface(Sink::kIid, reinterpret_cast<void**>(&sink_));
        *cookie = 42;
        return dmo::S_OK;
    }
    dmo::HRESULT Unadvise(std::uint32_t cookie) override {
        Note("Unadvise " + std::to_string(cookie));
        if (sink_ != nullptr)
            sink_->Release();
        sink_ = nullptr;
        return script.unadviseResult;
    }

    RunScript script;

protected:
    dmo::HRESULT Note(const std::string& call, const char16_t* text = nullptr);
    dmo::HRESULT RunScripted(dmo::IServer* server);

    CallLog& log_;
    std::string name_;
    Sink* sink_ = nullptr;
};

class RecordingBackup final : public RecordingRun<dmo::IBackup, dmo::IWSQLDMOBackupSink> {
public:
    explicit RecordingBackup(CallLog& log) : RecordingRun(log, "backup") {}
    dmo::HRESULT SetInitialize(bool on) override {
        return Note(std::string("SetInitialize ") + (on ? "1" : "0"));
    }
    dmo::HRESULT SQLBackup(dmo::IServer* server) override { return RunScripted(server); }
};

class RecordingRestore final : public RecordingRun<dmo::IRestore, dmo::IWSQLDMORestoreSink> {
public:
    explicit RecordingRestore(CallLog& log) : RecordingRun(log, "restore") {}
    dmo::HRESULT SetReplaceDatabase(bool on) override {
        return Note(std::string("SetReplaceDatabase ") + (on ? "1" : "0"));
    }
    dmo::HRESULT SQLRestore(dmo::IServer* server) override { return RunScripted(server); }
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
void RegisterRecordingObjects(CallLog& log, RecordingServer** server = nullptr,
                              RecordingBackup** backup = nullptr,
                              RecordingRestore** restore = nullptr);

template <class Run, class Sink>
dmo::HRESULT RecordingRun<Run, Sink>::Note(const std::string& call, const char16_t* text) {
    log_.Add(name_ + "." + call + (text != nullptr ? " " + platform::ToUtf8(text) : ""));
    return dmo::S_OK;
}

template <class Run, class Sink>
dmo::HRESULT RecordingRun<Run, Sink>::RunScripted(dmo::IServer* server) {
    Note(server != nullptr ? "Run with the server" : "Run without a server");
    if (sink_ != nullptr) {
        for (int percent : script.percents)
            sink_->OnPercent(u"", percent);
        if (script.nextVolume)
            sink_->OnNextVolume(script.nextVolume->c_str());
        if (script.complete)
            sink_->OnComplete(script.complete->c_str());
    }
    if (script.errorInfo)
        dmo::SetErrorInfo(*script.errorInfo);
    return script.runResult;
}
