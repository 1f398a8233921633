#pragma once
// Who is using which database: every database object of the instance is a
// session on its database for as long as it lives. Single-user mode is granted
// to a session only while it is the database's only one, and keeps every other
// session out until it ends.
// Thread contract: any thread.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace instance {

class Session final {
public:
    // Opens a session on the database kept in `file`; nothing, with a
    // description in *error, while another session holds it in single-user mode.
    static std::optional<Session> Open(const std::filesystem::path& file, std::u16string* error);

    Session(Session&& other) noexcept;
    Session& operator=(Session&&) = delete;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session();

    bool SetSingleUser(bool singleUser, std::u16string* error);
    bool IsSingleUser() const;
    // How many sessions the database has, this one included.
    int SessionCount() const;
    const std::filesystem::path& File() const { return file_; }

private:
    Session(std::filesystem::path file, std::uint64_t id) : file_(std::move(file)), id_(id) {}

    std::filesystem::path file_;
    std::uint64_t id_ = 0;  // 0 once moved from
};

}  // namespace instance
