#include "instance/Integrity.h"

#include <sqlite3.h>

#include <limits>
#include <system_error>
#include <vector>

#include "instance/Sqlite.h"
#include "platform/Utf.h"

namespace instance {
namespace {

class MessageText {
public:
    void Add(std::string_view line) {
        if (!text_.empty())
            text_.push_back(u'\n');
        text_.append(kMessagePrefix);
        text_.append(platform::FromUtf8(line));
    }
    bool Empty() const { return text_.empty(); }
    std::optional<std::u16string> Take() {
        return text_.empty() ? std::nullopt : std::optional(std::move(text_));
    }

private:
    std::u16string text_;
};

struct SchemaItem {
    std::string type;
    std::string name;
    std::string sql;
};

struct CopyResult {
    long long copied = 0;
    bool damaged = false;
};

// Appends the rows `rows` yields to `table` in `target`; the first `skipped`
// columns of each row are not the table's (the rowid, when asked for, is
// column 0 and goes in as the rowid). Returns the last rowid read, if any.
std::optional<long long> CopyFrom(Statement& rows, Connection& target, const std::string& table,
                                  bool withRowid, CopyResult& result) {
    std::optional<long long> last;
    sqlite3_stmt* write = nullptr;
    while (rows.Step()) {
        sqlite3_stmt* read = rows.Handle();
        const int columns = sqlite3_column_count(read);
        if (write == nullptr) {
            std::string insert = "INSERT INTO " + QuoteIdentifier(table) + "(";
            std::string values = "VALUES(";
            for (int c = 0; c < columns; ++c) {
                insert += (c > 0 ? ", " : "") +
                          (withRowid && c == 0 ? std::string("rowid")
                                               : QuoteIdentifier(sqlite3_column_name(read, c)));
                values += c > 0 ? ", ?" : "?";
            }
            sqlite3_prepare_v2(target.Handle(), (insert + ") " + values + ")").c_str(), -1, &write,
                               nullptr);
            if (write == nullptr)
                break;
        }
        for (int c = 0; c < columns; ++c) {
            sqlite3_bind_value(write, c + 1, sqlite3_column_value(read, c));
        }
        if (sqlite3_step(write) == SQLITE_DONE)
            ++result.copied;
        sqlite3_reset(write);
        if (withRowid)
            last = sqlite3_column_int64(read, 0);
    }
    sqlite3_finalize(write);
    return last;
}

// Copies every row of one table that can still be read, in rowid order. Where
// a read fails it starts again past the damage, further each time, up to the
// last rowid; a table without rowids is copied up to its first damage.
// Whether a read that starts at row id `from` gets its first row (or finds
// none left) without running into damage.
bool ReadsFrom(Connection& source, const std::string& quoted, long long from) {
    Statement probe(
        source,
        ("SELECT rowid, * FROM " + quoted + " WHERE rowid >= ? ORDER BY rowid LIMIT 1").c_str());
    probe.Bind(1, static_cast<std::int64_t>(from));
    probe.Step();
    return !probe.Failed();
}

// The lowest start past `failed` (a start that runs into damage) from which
// the table reads again; nothing when no start up to `last` does. Probes
// further each time, then narrows down between the last failing probe and
// the first one that reads, so that no readable row before it is skipped.
std::optional<long long> NextReadable(Connection& source, const std::string& quoted,
                                      long long failed, long long last) {
    long long lo = failed;
    long long hi = failed;
    for (long long skip = 1;; skip *= 2) {
        if (lo >= last || skip > last - lo)
            return std::nullopt;
        hi = lo + skip;
        if (ReadsFrom(source, quoted, hi))
            break;
        lo = hi;
        if (skip > std::numeric_limits<long long>::max() / 2)
            return std::nullopt;
    }
    while (hi - lo > 1) {
        const long long mid = lo + (hi - lo) / 2;
        (ReadsFrom(source, quoted, mid) ? hi : lo) = mid;
    }
    return hi;
}

// Copies every row of one table that can still be read, in row id order. Where
// a read fails it goes on from the next row id that reads again; a table
// without row ids is copied up to its first damage.
CopyResult CopyRows(Connection& source, Connection& target, const std::string& table) {
    CopyResult result;
    const std::string quoted = QuoteIdentifier(table);
    // Each bound on its own: asked together, SQLite scans the whole table to
    // find them. A bound behind damage leaves the range open on that side.
    Statement first(source, ("SELECT min(rowid) FROM " + quoted).c_str());
    if (!first.Ok()) {
        Statement rows(source, ("SELECT * FROM " + quoted).c_str());
        CopyFrom(rows, target, table, false, result);
        result.damaged = rows.Failed();
        return result;
    }
    long long next = first.Step() ? first.Int(0) : std::numeric_limits<long long>::min();
    Statement final(source, ("SELECT max(rowid) FROM " + quoted).c_str());
    const long long last = final.Step() ? final.Int(0) : std::numeric_limits<long long>::max();
    const std::string select =
        "SELECT rowid, * FROM " + quoted + " WHERE rowid >= ? ORDER BY rowid";
    while (true) {
        Statement rows(source, select.c_str());
        rows.Bind(1, static_cast<std::int64_t>(next));
        const std::optional<long long> read = CopyFrom(rows, target, table, true, result);
        if (!rows.Failed())
            return result;
        result.damaged = true;
        // The damage lies right after the last row read, or at the start.
        const long long failed = read ? *read + 1 : next;
        const std::optional<long long> again = NextReadable(source, quoted, failed, last);
        if (!again)
            return result;
        next = *again;
    }
}

}  // namespace

CheckResult CheckDatabaseFile(const std::filesystem::path& file) {
    CheckResult result;
    MessageText messages;
    std::error_code ec;
    Connection db;
    if (!std::filesystem::is_regular_file(file, ec) || !db.OpenReadOnly(file)) {
        messages.Add("The database file cannot be opened: " +
                     (db.Error().empty() ? std::string("it is missing") : db.Error()));
        return {dmo::E_FAIL, messages.Take()};
    }
    Statement check(db, "PRAGMA integrity_check");
    bool sound = false;
    int rows = 0;
    while (check.Step()) {
        const std::string row = check.Text(0);
        sound = rows == 0 && row == "ok";
        ++rows;
        if (row == "ok")
            continue;
        // A problem may span several lines; each becomes a message of its own.
        std::size_t start = 0;
        while (start < row.size()) {
            const std::size_t end = std::min(row.find('\n', start), row.size());
            const std::string line = row.substr(start, end - start);
            if (!line.empty() && !line.starts_with("*** in database"))
                messages.Add(line);
            start = end + 1;
        }
    }
    if (!check.Ok()) {
        messages.Add("The file cannot be checked: " + db.Error());
        return {dmo::E_FAIL, messages.Take()};
    }
    if (check.Failed()) {
        // The check ran into damage it cannot read past: that is a problem found.
        messages.Add("The check stopped at damage: " + db.Error());
        return {dmo::S_FALSE, messages.Take()};
    }
    if (sound && rows == 1)
        return {dmo::S_OK, std::nullopt};
    return {dmo::S_FALSE, messages.Take()};
}

CheckResult RepairDatabaseFile(const std::filesystem::path& file) {
    CheckResult before = CheckDatabaseFile(file);
    if (before.status == dmo::S_OK)
        return before;

    MessageText messages;
    Connection source;
    if (!source.OpenReadOnly(file)) {
        messages.Add("Repair failed: the database file cannot be opened: " + source.Error());
        return {dmo::E_FAIL, messages.Take()};
    }
    std::vector<SchemaItem> schema;
    {
        Statement items(source,
                        "SELECT type, name, sql FROM sqlite_master WHERE sql IS NOT NULL "
                        "ORDER BY CASE type WHEN 'table' THEN 0 WHEN 'index' THEN 1 ELSE 2 END");
        while (items.Step())
            schema.push_back({items.Text(0), items.Text(1), items.Text(2)});
        if (items.Failed()) {
            messages.Add("Repair failed: the list of tables cannot be read: " + source.Error());
            return {dmo::E_FAIL, messages.Take()};
        }
    }

    const std::filesystem::path building = file.string() + ".repair";
    std::error_code ec;
    std::filesystem::remove(building, ec);
    // The file's own settings go with it: the page layout before anything is
    // written, the application's numbers after.
    auto setting = [&source](const char* name) -> std::optional<long long> {
        Statement pragma(source, (std::string("PRAGMA ") + name).c_str());
        if (!pragma.Step())
            return std::nullopt;
        return pragma.Int(0);
    };
    const auto pageSize = setting("page_size");
    const auto autoVacuum = setting("auto_vacuum");
    const auto userVersion = setting("user_version");
    const auto applicationId = setting("application_id");
    Connection target;
    if (!target.Open(building, true) ||
        (pageSize && !target.Exec(("PRAGMA page_size = " + std::to_string(*pageSize)).c_str())) ||
        (autoVacuum &&
         !target.Exec(("PRAGMA auto_vacuum = " + std::to_string(*autoVacuum)).c_str())) ||
        !target.Exec("BEGIN")) {
        messages.Add("Repair failed: no new file can be made: " + target.Error());
        return {dmo::E_FAIL, messages.Take()};
    }
    int indexes = 0;
    bool ok = true;
    for (const SchemaItem& item : schema) {
        if (item.name.starts_with("sqlite_"))
            continue;
        if (item.type == "table") {
            if (!target.Exec(item.sql.c_str())) {
                messages.Add("Repair: table '" + item.name +
                             "' cannot be made anew: " + target.Error());
                ok = false;
                continue;
            }
            const CopyResult copy = CopyRows(source, target, item.name);
            std::string line =
                "Repair: table '" + item.name + "': " + std::to_string(copy.copied) + " rows kept";
            if (copy.damaged)
                line += "; rows in damaged pages could not be read and are lost";
            messages.Add(line + ".");
        } else if (target.Exec(item.sql.c_str())) {
            if (item.type == "index")
                ++indexes;
        } else {
            messages.Add("Repair: " + item.type + " '" + item.name +
                         "' cannot be made anew: " + target.Error());
        }
    }
    if (userVersion)
        target.Exec(("PRAGMA user_version = " + std::to_string(*userVersion)).c_str());
    if (applicationId)
        target.Exec(("PRAGMA application_id = " + std::to_string(*applicationId)).c_str());
    if (!ok || !target.Exec("COMMIT")) {
        target.Close();
        std::filesystem::remove(building, ec);
        messages.Add("Repair failed: the database was left as it was.");
        return {dmo::E_FAIL, messages.Take()};
    }
    target.Close();
    source.Close();
    messages.Add("Repair: " + std::to_string(indexes) + " indexes rebuilt.");

    // The old file's journal would belong to a file that is no longer there.
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        std::filesystem::remove(file.string() + suffix, ec);
    }
    std::filesystem::rename(building, file, ec);
    if (ec) {
        std::filesystem::remove(building, ec);
        messages.Add("Repair failed: the repaired file cannot replace the old one.");
        return {dmo::E_FAIL, messages.Take()};
    }
    messages.Add("Repair: the database file was replaced by the repaired copy.");
    return {dmo::S_FALSE, messages.Take()};
}

}  // namespace instance
