#pragma once
// The backup and restore objects of the embedded instance. Each is a
// connection-point container for its event interface.
// Thread contract: any thread; Abort may come while a run goes on elsewhere.
#include <atomic>
#include <mutex>
#include <string>

#include "dmo/Backup.h"
#include "dmo/ComPtr.h"
#include "dmo/ConnectionPoint.h"
#include "dmo/Object.h"

namespace instance {

// What a backup or restore run was told before it started.
struct RunSettings {
    std::u16string database;
    std::u16string files;
    bool option = false;  // initialise (backup) or replace (restore)
    std::int32_t step = 10;
};

// What the backup and restore objects share: their settings, the abort
// request, and the connection point through which `Sink`s get the events.
template <class Run, class Sink>
class RunObject : public dmo::Object<Run, dmo::IConnectionPointContainer> {
public:
    RunObject()
        : events_(dmo::ComPtr<dmo::ConnectionPoint>::Adopt(new dmo::ConnectionPoint(Sink::kIid))) {}

    dmo::HRESULT SetDatabase(const char16_t* name) override {
        return Change([&](RunSettings& s) { s.database = name != nullptr ? name : u""; });
    }
    dmo::HRESULT SetFiles(const char16_t* files) override {
        return Change([&](RunSettings& s) { s.files = files != nullptr ? files : u""; });
    }
    dmo::HRESULT SetPercentCompleteNotification(std::int32_t step) override {
        return Change([&](RunSettings& s) { s.step = step; });
    }
    // Asks the running backup or restore, or the next to start, to stop at its
    // next step.
    dmo::HRESULT Abort() override {
        abort_ = true;
        return dmo::S_OK;
    }
    dmo::HRESULT FindConnectionPoint(const dmo::Guid& iid, dmo::IConnectionPoint** point) override {
        if (point == nullptr)
            return dmo::E_POINTER;
        *point = nullptr;
        if (iid != Sink::kIid)
            return dmo::CONNECT_E_NOCONNECTION;
        events_->AddRef();
        *point = events_.Get();
        return dmo::S_OK;
    }

protected:
    template <class Edit>
    dmo::HRESULT Change(Edit edit) {
        std::lock_guard lock(mutex_);
        edit(settings_);
        return dmo::S_OK;
    }
    RunSettings Settings() {
        std::lock_guard lock(mutex_);
        return settings_;
    }
    // An abort asked for before a run starts stops it at its first step (the
    // program may ask while its worker is on the way); the end of a run
    // forgets it.
    struct RunScope {
        explicit RunScope(std::atomic<bool>& abort) : abort_(abort) {}
        ~RunScope() { abort_ = false; }
        RunScope(const RunScope&) = delete;
        RunScope& operator=(const RunScope&) = delete;
        std::atomic<bool>& abort_;
    };
    void FirePercent(int percent) {
        events_->template Fire<Sink>([percent](Sink& sink) { sink.OnPercent(u"", percent); });
    }
    void FireComplete(const std::u16string& report) {
        events_->template Fire<Sink>([&report](Sink& sink) { sink.OnComplete(report.c_str()); });
    }

    std::atomic<bool> abort_{false};

private:
    std::mutex mutex_;
    RunSettings settings_;
    dmo::ComPtr<dmo::ConnectionPoint> events_;
};

class BackupObject final : public RunObject<dmo::IBackup, dmo::IWSQLDMOBackupSink> {
public:
    dmo::HRESULT SetInitialize(bool initialize) override {
        return Change([&](RunSettings& s) { s.option = initialize; });
    }
    dmo::HRESULT SQLBackup(dmo::IServer* server) override;
    dmo::HRESULT GenerateSQL(std::u16string* statement) override;
};

class RestoreObject final : public RunObject<dmo::IRestore, dmo::IWSQLDMORestoreSink> {
public:
    dmo::HRESULT SetReplaceDatabase(bool replace) override {
        return Change([&](RunSettings& s) { s.option = replace; });
    }
    dmo::HRESULT SQLRestore(dmo::IServer* server) override;
    dmo::HRESULT GenerateSQL(std::u16string* statement) override;
};

// The fixed start of the completion texts: 63 characters for a backup, 64 for
// a restore; what follows says what was done.
inline constexpr std::u16string_view kBackupCompleteLead =
    u"[ZOL embedded instance] backup finished, server report follows:";
inline constexpr std::u16string_view kRestoreCompleteLead =
    u"[ZOL embedded instance] restore finished, server report follows:";
static_assert(kBackupCompleteLead.size() == 63);
static_assert(kRestoreCompleteLead.size() == 64);

}  // namespace instance
