#pragma once
// The backup and restore objects and the events they fire.
// Thread contract: any thread; Abort may arrive from the UI thread while a
// worker runs the operation, and events arrive on the thread that runs it.
#include <cstdint>
#include <string>

#include "dmo/Unknown.h"

namespace dmo {

class IServer;

// Events of a backup.
class IWSQLDMOBackupSink : public IUnknown {
public:
    static constexpr Guid kIid = Guid::Parse("{10021F08-E260-11CF-AE68-00AA004A34D5}");

    virtual HRESULT OnPercent(const char16_t* message, std::int32_t percent) = 0;
    virtual HRESULT OnNextVolume(const char16_t* message) = 0;
    virtual HRESULT OnComplete(const char16_t* message) = 0;

protected:
    ~IWSQLDMOBackupSink() = default;
};

// Events of a restore.
class IWSQLDMORestoreSink : public IUnknown {
public:
    static constexpr Guid kIid = Guid::Parse("{10023205-E260-11CF-AE68-00AA004A34D5}");

    virtual HRESULT OnPercent(const char16_t* message, std::int32_t percent) = 0;
    virtual HRESULT OnNextVolume(const char16_t* message) = 0;
    virtual HRESULT OnComplete(const char16_t* message) = 0;

protected:
    ~IWSQLDMORestoreSink() = default;
};

class IBackup : public IUnknown {
public:
    static constexpr Guid kIid = Guid::Parse("{10021F05-E260-11CF-AE68-00AA004A34D5}");

    virtual HRESULT SetDatabase(const char16_t* name) = 0;
    // The backup file, a path as the server reads it.
    virtual HRESULT SetFiles(const char16_t* files) = 0;
    // On: the backup file is written anew rather than added to.
    virtual HRESULT SetInitialize(bool initialize) = 0;
    // A percent event at each crossed multiple of this step.
    virtual HRESULT SetPercentCompleteNotification(std::int32_t step) = 0;
    // Runs the backup on the server; events reach the advised sinks meanwhile.
    virtual HRESULT SQLBackup(IServer* server) = 0;
    // The T-SQL statement that does the same backup with the current settings.
    virtual HRESULT GenerateSQL(std::u16string* statement) = 0;
    // Asks a running backup to stop at its next step; harmless when none runs.
    virtual HRESULT Abort() = 0;

protected:
    ~IBackup() = default;
};

class IRestore : public IUnknown {
public:
    static constexpr Guid kIid = Guid::Parse("{10023202-E260-11CF-AE68-00AA004A34D5}");

    virtual HRESULT SetDatabase(const char16_t* name) = 0;
    virtual HRESULT SetFiles(const char16_t* files) = 0;
    // On: the restore replaces an existing database of that name, or makes it.
    virtual HRESULT SetReplaceDatabase(bool replace) = 0;
    virtual HRESULT SetPercentCompleteNotification(std::int32_t step) = 0;
    virtual HRESULT SQLRestore(IServer* server) = 0;
    virtual HRESULT GenerateSQL(std::u16string* statement) = 0;
    // Asks a running restore to stop at its next step; harmless when none runs.
    virtual HRESULT Abort() = 0;

protected:
    ~IRestore() = default;
};

}  // namespace dmo
