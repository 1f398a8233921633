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

class BackupObject final : public dmo::Object<dmo::IBackup, dmo::IConnectionPointContainer> {
public:
    BackupObject();

    dmo::HRESULT SetDatabase(const char16_t* name) override;
    dmo::HRESULT SetFiles(const char16_t* files) override;
    dmo::HRESULT SetInitialize(bool initialize) override;
    dmo::HRESULT SetPercentCompleteNotification(std::int32_t step) override;
    dmo::HRESULT SQLBackup(dmo::IServer* server) override;
    dmo::HRESULT GenerateSQL(std::u16string* statement) override;
    dmo::HRESULT Abort() override;
    dmo::HRESULT FindConnectionPoint(const dmo::Guid& iid, dmo::IConnectionPoint** point) override;

private:
    RunSettings Settings();

    std::mutex mutex_;
    RunSettings settings_;
    std::atomic<bool> abort_{false};
    dmo::ComPtr<dmo::ConnectionPoint> events_;
};

class RestoreObject final : public dmo::Object<dmo::IRestore, dmo::IConnectionPointContainer> {
public:
    RestoreObject();

    dmo::HRESULT SetDatabase(const char16_t* name) override;
    dmo::HRESULT SetFiles(const char16_t* files) override;
    dmo::HRESULT SetReplaceDatabase(bool replace) override;
    dmo::HRESULT SetPercentCompleteNotification(std::int32_t step) override;
    dmo::HRESULT SQLRestore(dmo::IServer* server) override;
    dmo::HRESULT GenerateSQL(std::u16string* statement) override;
    dmo::HRESULT Abort() override;
    dmo::HRESULT FindConnectionPoint(const dmo::Guid& iid, dmo::IConnectionPoint** point) override;

private:
    RunSettings Settings();

    std::mutex mutex_;
    RunSettings settings_;
    std::atomic<bool> abort_{false};
    dmo::ComPtr<dmo::ConnectionPoint> events_;
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
