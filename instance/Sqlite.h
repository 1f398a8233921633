#pragma once
// A thin owner of SQLite handles: one connection, prepared statements, and
// errors carried back as text.
// Thread contract: one Connection per thread at a time (SQLite's serialized
// mode makes sharing safe, but the instance never shares one).
#include <sqlite3.h>

#include <filesystem>
#include <optional>
#include <string>

namespace instance {

class Statement;

// A name as an SQL identifier: in double quotes, inner quotes doubled.
std::string QuoteIdentifier(std::string_view name);

class Connection final {
public:
    Connection() = default;
    ~Connection();
    Connection(Connection&& other) noexcept;
    Connection& operator=(Connection&& other) noexcept;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens (and with `create` makes) the file; false with Error() set on failure.
    bool Open(const std::filesystem::path& file, bool create);
    // Opens an existing file for reading only.
    bool OpenReadOnly(const std::filesystem::path& file);
    void Close();
    bool IsOpen() const { return db_ != nullptr; }

    bool Exec(const char* sql);
    Statement Prepare(const char* sql);
    const std::string& Error() const { return error_; }
    sqlite3* Handle() const { return db_; }

private:
    friend class Statement;

    // A name as an SQL identifier: in double quotes, inner quotes doubled.
    std::string QuoteIdentifier(std::string_view name);
    void Remember(int code);
    bool OpenWith(const std::filesystem::path& file, int flags);

    sqlite3* db_ = nullptr;
    std::string error_;
};

class Statement final {
public:
    Statement(Connection& connection, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool Ok() const { return stmt_ != nullptr; }
    // True when preparing, binding or a step failed (not at a plain end).
    bool Failed() const { return stmt_ == nullptr || failed_; }
    sqlite3_stmt* Handle() const { return stmt_; }
    Statement& Bind(int index, std::int64_t value);
    Statement& Bind(int index, const std::string& text);
    // True while a row is available.
    bool Step();
    // True when the statement ran to its end without error.
    bool Run();
    std::int64_t Int(int column) const;
    std::string Text(int column) const;

private:
    Connection& connection_;
    sqlite3_stmt* stmt_ = nullptr;
    bool failed_ = false;
};

}  // namespace instance
