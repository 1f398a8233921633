#include "instance/Sqlite.h"

#include <utility>

namespace instance {

std::string QuoteIdentifier(std::string_view name) {
    std::string quoted = "\"";
    for (char c : name) {
        quoted.push_back(c);
        if (c == '"')
            quoted.push_back('"');
    }
    return quoted + "\"";
}

Connection::~Connection() {
    Close();
}

Connection::Connection(Connection&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)), error_(std::move(other.error_)) {}

Connection& Connection::operator=(Connection&& other) noexcept {
    if (this != &other) {
        Close();
        db_ = std::exchange(other.db_, nullptr);
        error_ = std::move(other.error_);
    }
    return *this;
}

bool Connection::OpenReadOnly(const std::filesystem::path& file) {
    return OpenWith(file, SQLITE_OPEN_READONLY);
}

bool Connection::Open(const std::filesystem::path& file, bool create) {
    return OpenWith(file, SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0));
}

bool Connection::OpenWith(const std::filesystem::path& file, int flags) {
    Close();
    const int code = sqlite3_open_v2(file.c_str(), &db_, flags, nullptr);
    if (code != SQLITE_OK) {
        error_ = db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
        Close();
        return false;
    }
    // Another request may be writing the catalog: wait for it rather than fail.
    sqlite3_busy_timeout(db_, 5000);
    return true;
}

void Connection::Close() {
    if (db_ != nullptr) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

bool Connection::Exec(const char* sql) {
    char* message = nullptr;
    const int code = sqlite3_exec(db_, sql, nullptr, nullptr, &message);
    if (code != SQLITE_OK) {
        error_ = message != nullptr ? message : sqlite3_errstr(code);
        sqlite3_free(message);
        return false;
    }
    return true;
}

Statement Connection::Prepare(const char* sql) {
    return Statement(*this, sql);
}

void Connection::Remember(int code) {
    error_ = db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
}

Statement::Statement(Connection& connection, const char* sql) : connection_(connection) {
    const int code = sqlite3_prepare_v2(connection.db_, sql, -1, &stmt_, nullptr);
    if (code != SQLITE_OK) {
        connection_.Remember(code);
        stmt_ = nullptr;
    }
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

Statement& Statement::Bind(int index, std::int64_t value) {
    if (stmt_ != nullptr && sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK)
        failed_ = true;
    return *this;
}

Statement& Statement::Bind(int index, const std::string& text) {
    if (stmt_ != nullptr &&
        sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK) {
        failed_ = true;
    }
    return *this;
}

bool Statement::Step() {
    if (stmt_ == nullptr || failed_)
        return false;
    const int code = sqlite3_step(stmt_);
    if (code == SQLITE_ROW)
        return true;
    if (code != SQLITE_DONE) {
        connection_.Remember(code);
        failed_ = true;
    }
    return false;
}

bool Statement::Run() {
    while (Step()) {
    }
    return stmt_ != nullptr && !failed_;
}

std::int64_t Statement::Int(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::string Statement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text == nullptr ? std::string() : std::string(text);
}

}  // namespace instance
