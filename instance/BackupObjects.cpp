#include "instance/BackupObjects.h"

#include <chrono>
#include <ctime>
#include <system_error>

#include "dmo/ErrorInfo.h"
#include "instance/FileName.h"
#include "instance/Instance.h"
#include "instance/Operations.h"
#include "instance/ServerObject.h"
#include "instance/Sessions.h"
#include "instance/Sqlite.h"
#include "instance/Transfer.h"
#include "platform/Utf.h"
#include "platform/WindowsPath.h"

namespace instance {
namespace {

// T-SQL quoting: the text between `open` and `close`, each `close` inside doubled.
std::u16string Quoted(std::u16string_view text, std::u16string_view open, char16_t close) {
    std::u16string quoted(open);
    for (char16_t c : text) {
        quoted.push_back(c);
        if (c == close)
            quoted.push_back(close);
    }
    return quoted + close;
}

std::u16string Bracketed(std::u16string_view name) {
    return Quoted(name, u"[", u']');
}

std::u16string Literal(std::u16string_view text) {
    return Quoted(text, u"N'", u'\'');
}

// The completion text: the fixed lead, then what the server did.
std::u16string Report(std::u16string_view lead, std::u16string_view statement,
                      std::u16string_view database, int pages) {
    return std::u16string(lead) + std::u16string(statement) + u" " + Bracketed(database) +
           u" successfully processed " + platform::FromUtf8(std::to_string(pages)) + u" pages.";
}

std::string Now() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

// The connected instance behind a server object of ours.
std::optional<Instance> ConnectedTo(dmo::IServer* server) {
    auto* ours = dynamic_cast<ServerObject*>(server);
    return ours != nullptr ? ours->ConnectedInstance() : std::nullopt;
}

void RemoveQuietly(const std::filesystem::path& file) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
}

// The local file a backup path names, as this server reaches it.
std::optional<std::filesystem::path> LocalBackupFile(const std::u16string& files) {
    std::optional<std::filesystem::path> local = platform::ToLocalPath(files);
    if (!local || files.empty()) {
        dmo::SetErrorInfo(u"[zolmgr] The backup file '" + files +
                          u"' cannot be reached from this server.");
        return std::nullopt;
    }
    return local;
}

// After a copy that did not complete: its file goes, and the status says why.
dmo::HRESULT CopyFailed(const TransferResult& copy, const std::filesystem::path& building,
                        const std::u16string& run, const std::u16string& problem) {
    RemoveQuietly(building);
    if (copy.outcome == TransferResult::Outcome::kAborted) {
        return dmo::Fail(dmo::SQLDMO_E_ABORTED, u"[zolmgr] The " + run + u" was aborted.");
    }
    return dmo::Fail(dmo::E_FAIL, problem + platform::FromUtf8(copy.error));
}

}  // namespace

// ---- backup

dmo::HRESULT BackupObject::GenerateSQL(std::u16string* statement) {
    if (statement == nullptr)
        return dmo::E_POINTER;
    const RunSettings s = Settings();
    *statement = u"BACKUP DATABASE " + Bracketed(s.database) + u" TO DISK = " + Literal(s.files) +
                 (s.option ? u" WITH INIT" : u" WITH NOINIT");
    return dmo::S_OK;
}

dmo::HRESULT BackupObject::SQLBackup(dmo::IServer* server) {
    RunScope run(abort_);
    const RunSettings s = Settings();
    std::optional<Instance> connected = ConnectedTo(server);
    if (!connected)
        return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The server is not connected.");
    // Stopping the service stops the run.
    RunningOperation operation(connected->Folder(), &abort_);
    std::optional<DatabaseEntry> database = connected->FindDatabase(s.database);
    if (!database) {
        return dmo::Fail(dmo::E_FAIL,
                         u"[zolmgr] The database '" + s.database + u"' does not exist.");
    }
    std::optional<std::filesystem::path> target = LocalBackupFile(s.files);
    if (!target)
        return dmo::E_FAIL;
    std::error_code ec;
    if (!s.option && std::filesystem::exists(*target, ec)) {
        return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The backup file '" + s.files +
                                          u"' exists; this server only writes backup files anew.");
    }
    // Written beside the target and put in place only when complete.
    const std::filesystem::path partial = target->string() + ".partial";
    RemoveQuietly(partial);
    const TransferResult copy = TransferInSteps(database->file, partial, s.step, abort_,
                                                [this](int percent) { FirePercent(percent); });
    if (copy.outcome != TransferResult::Outcome::kDone) {
        return CopyFailed(copy, partial, u"backup",
                          u"[zolmgr] The backup file '" + s.files + u"' cannot be written: ");
    }
    {
        Connection written;
        const bool recorded =
            written.Open(partial, false) &&
            written.Exec(
                "CREATE TABLE zolmgr_backup(database TEXT NOT NULL, server TEXT NOT NULL,"
                " taken TEXT NOT NULL)") &&
            Statement(written, "INSERT INTO zolmgr_backup VALUES(?, ?, ?)")
                .Bind(1, platform::ToUtf8(database->name))
                .Bind(2, platform::ToUtf8(connected->Name()))
                .Bind(3, Now())
                .Run();
        if (!recorded) {
            const std::string error = written.Error();
            written.Close();
            RemoveQuietly(partial);
            return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The backup file cannot be completed: " +
                                              platform::FromUtf8(error));
        }
    }
    std::filesystem::rename(partial, *target, ec);
    if (ec) {
        RemoveQuietly(partial);
        return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The backup file '" + s.files +
                                          u"' cannot be put in place: " +
                                          platform::FromUtf8(ec.message()));
    }
    FireComplete(Report(kBackupCompleteLead, u"BACKUP DATABASE", database->name, copy.pages));
    return dmo::S_OK;
}

// ---- restore

dmo::HRESULT RestoreObject::GenerateSQL(std::u16string* statement) {
    if (statement == nullptr)
        return dmo::E_POINTER;
    const RunSettings s = Settings();
    *statement = u"RESTORE DATABASE " + Bracketed(s.database) + u" FROM DISK = " +
                 Literal(s.files) + (s.option ? u" WITH REPLACE" : u"");
    return dmo::S_OK;
}

dmo::HRESULT RestoreObject::SQLRestore(dmo::IServer* server) {
    RunScope run(abort_);
    const RunSettings s = Settings();
    std::optional<Instance> connected = ConnectedTo(server);
    if (!connected)
        return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The server is not connected.");
    // Stopping the service stops the run.
    RunningOperation operation(connected->Folder(), &abort_);
    std::optional<std::filesystem::path> source = LocalBackupFile(s.files);
    if (!source)
        return dmo::E_FAIL;
    {
        // Only a file this server wrote as a backup is restored.
        Connection backup;
        bool isBackup = backup.OpenReadOnly(*source);
        if (isBackup) {
            Statement record(backup, "SELECT database FROM zolmgr_backup LIMIT 1");
            isBackup = record.Step();
        }
        if (!isBackup) {
            return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The file '" + s.files +
                                              u"' is not a backup made by this server.");
        }
    }
    std::optional<DatabaseEntry> database = connected->FindDatabase(s.database);
    const bool isNew = !database;
    if (isNew && !s.option) {
        return dmo::Fail(dmo::E_FAIL,
                         u"[zolmgr] The database '" + s.database + u"' does not exist.");
    }
    const std::filesystem::path file =
        isNew ? connected->NewDatabaseFile(s.database) : database->file;

    // The restore replaces the whole database: nobody else may be using it.
    std::u16string refused;
    std::optional<Session> session = Session::Open(file, &refused);
    if (!session || !session->SetSingleUser(true, &refused)) {
        return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The database '" + s.database +
                                          u"' is in use and cannot be restored. " + refused);
    }
    const std::filesystem::path restoring = file.string() + ".restoring";
    RemoveQuietly(restoring);
    const TransferResult copy = TransferInSteps(*source, restoring, s.step, abort_,
                                                [this](int percent) { FirePercent(percent); });
    if (copy.outcome != TransferResult::Outcome::kDone) {
        return CopyFailed(copy, restoring, u"restore",
                          u"[zolmgr] The backup file '" + s.files + u"' cannot be read: ");
    }
    {
        Connection restored;
        if (!restored.Open(restoring, false) || !restored.Exec("DROP TABLE zolmgr_backup")) {
            const std::string error = restored.Error();
            restored.Close();
            RemoveQuietly(restoring);
            return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The restored copy cannot be completed: " +
                                              platform::FromUtf8(error));
        }
    }
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        RemoveQuietly(file.string() + suffix);
    std::error_code ec;
    std::filesystem::rename(restoring, file, ec);
    if (ec) {
        RemoveQuietly(restoring);
        return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The restored database cannot be put in place.");
    }
    if (isNew && !connected->AddDatabase(s.database, file)) {
        // A file the catalog does not list would be found by nobody.
        RemoveQuietly(file);
        return dmo::Fail(dmo::E_FAIL, u"[zolmgr] The restored database cannot be listed.");
    }
    FireComplete(Report(kRestoreCompleteLead, u"RESTORE DATABASE",
                        isNew ? s.database : database->name, copy.pages));
    return dmo::S_OK;
}

}  // namespace instance
