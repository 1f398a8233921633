#pragma once
// The server object: addressing, login, connection, the service and the
// databases of one SQL Server instance.
// Thread contract: any thread. Status refreshes and Shutdown may arrive from the
// UI thread while a worker runs a request on the same object.
#include <cstdint>
#include <optional>
#include <string>

#include "dmo/Unknown.h"

namespace dmo {

// Service states as the server reports them.
enum ServerStatus : std::int32_t {
    kStatusUnknown = 0,
    kStatusRunning = 1,
    kStatusPaused = 2,
    kStatusStopped = 3,
    kStatusStarting = 4,
    kStatusStopping = 5,
    kStatusContinuing = 6,
    kStatusPausing = 7,
};

class ITable : public IUnknown {
public:
    static constexpr Guid kIid = Guid::Parse("{10020405-E260-11CF-AE68-00AA004A34D5}");

    virtual HRESULT GetName(std::u16string* name) = 0;
    // Rebuilds every index of the table; 0, 0 asks for the server's defaults.
    virtual HRESULT RebuildIndexes(std::int32_t mode, std::int32_t fillFactor) = 0;

protected:
    ~ITable() = default;
};

class IDatabaseOptions : public IUnknown {
public:
    static constexpr Guid kIid = Guid::Parse("{10020505-E260-11CF-AE68-00AA004A34D5}");

    // Single-user mode: granted only while the asking session is the only one
    // using the database.
    virtual HRESULT SetSingleUser(bool singleUser) = 0;
    virtual HRESULT GetSingleUser(bool* singleUser) = 0;

protected:
    ~IDatabaseOptions() = default;
};

// Repair levels of the integrity check.
enum RepairLevel : std::int32_t {
    kRepairNone = 0,
    kRepairAllowDataLoss = 3,
};

class IDatabase : public IUnknown {
public:
    static constexpr Guid kIid = Guid::Parse("{10020305-E260-11CF-AE68-00AA004A34D5}");

    virtual HRESULT GetName(std::u16string* name) = 0;
    virtual HRESULT GetSystemObject(bool* system) = 0;

    // Runs the integrity check, repairing at `repairLevel` (which needs
    // single-user mode). S_OK: sound. Anything else: *messages, when it holds
    // text, has one line per message, each behind the fixed 47-character prefix,
    // lines separated by "\n".
    virtual HRESULT CheckTables(std::optional<std::u16string>* messages,
                                std::int32_t repairLevel) = 0;
    virtual HRESULT GetDBOption(IDatabaseOptions** options) = 0;
    virtual HRESULT GetTableCount(std::int32_t* count) = 0;
    // Position 0 to count - 1.
    virtual HRESULT GetTableByOrd(std::int32_t index, ITable** table) = 0;

protected:
    ~IDatabase() = default;
};

class IDatabases : public IUnknown {
public:
    static constexpr Guid kIid = Guid::Parse("{10020306-E260-11CF-AE68-00AA004A34D5}");

    virtual HRESULT GetCount(std::int32_t* count) = 0;
    // Position 0 to count - 1.
    virtual HRESULT GetItemByOrd(std::int32_t index, IDatabase** database) = 0;

protected:
    ~IDatabases() = default;
};

class IServer : public IUnknown {
public:
    static constexpr Guid kIid = Guid::Parse("{10020205-E260-11CF-AE68-00AA004A34D5}");

    // Texts passed in are zero-terminated; null stands for "none given".
    virtual HRESULT SetName(const char16_t* name) = 0;
    virtual HRESULT SetLoginSecure(bool secure) = 0;
    virtual HRESULT SetLoginTimeout(std::int32_t seconds) = 0;

    virtual HRESULT Connect(const char16_t* server, const char16_t* login,
                            const char16_t* password) = 0;
    virtual HRESULT DisConnect() = 0;
    // Closes the database files the object keeps open between requests; open
    // sessions and a running request keep theirs.
    virtual HRESULT ReleaseIdleFiles() = 0;

    virtual HRESULT GetStatus(std::int32_t* status) = 0;
    virtual HRESULT Start(bool connect, const char16_t* server, const char16_t* login,
                          const char16_t* password) = 0;
    virtual HRESULT Shutdown(bool wait) = 0;
    virtual HRESULT Pause() = 0;
    virtual HRESULT Continue() = 0;

    virtual HRESULT GetDatabases(IDatabases** databases) = 0;
    // Looks a database up by name (letter case does not matter); `owner` is
    // accepted for the original signature's sake and must be null.
    virtual HRESULT GetDatabaseByName(const char16_t* name, IDatabase** database,
                                      const char16_t* owner) = 0;
    virtual HRESULT GetDatabaseCount(std::int32_t* count) = 0;

protected:
    ~IServer() = default;
};

}  // namespace dmo
