#pragma once
// One SQL instance kept in a folder: servers/<COMPUTER>/<INSTANCE>/ under the
// data home, with its catalog (service state, databases) and one SQLite file
// per database. The instance <this computer>\ZOL is made on first use.
// Thread contract: any thread; each call opens the catalog for its own use.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace instance {

struct DatabaseEntry {
    std::u16string name;
    bool system = false;
    std::filesystem::path file;  // the database's SQLite file
};

class Instance final {
public:
    // The instance a server name ("COMPUTER\INSTANCE") addresses; "." ,
    // "(local)" and "localhost" stand for this computer. Nothing, with a
    // description in *error, when there is no such server.
    static std::optional<Instance> Locate(std::u16string_view serverName, std::u16string* error);
    // Every instance folder: the servers visible "on the network".
    static std::vector<std::u16string> ListServers();
    // The folder that holds every instance.
    static std::filesystem::path ServersFolder();
    // The name of this computer's own instance, made when missing.
    static std::u16string EnsureLocal();

    const std::u16string& Name() const { return name_; }
    const std::filesystem::path& Folder() const { return folder_; }

    // Service state 0 to 7; 0 when the catalog cannot be read.
    std::int32_t ServiceState() const;
    bool SetServiceState(std::int32_t state) const;

    std::vector<DatabaseEntry> Databases() const;
    // The database of that name, letter case aside.
    std::optional<DatabaseEntry> FindDatabase(std::u16string_view name) const;
    // Where a new database of that name keeps its file: a name of its own in
    // the databases folder.
    std::filesystem::path NewDatabaseFile(std::u16string_view name) const;
    // Lists a database whose file is in place.
    bool AddDatabase(std::u16string_view name, const std::filesystem::path& file) const;

private:
    Instance(std::u16string name, std::filesystem::path folder)
        : name_(std::move(name)), folder_(std::move(folder)) {}

    std::u16string name_;
    std::filesystem::path folder_;
};

}  // namespace instance
