#include "instance/Instance.h"

#include <mutex>
#include <system_error>

#include "instance/Catalog.h"
#include "instance/FileName.h"
#include "platform/DataHome.h"
#include "platform/Services.h"
#include "platform/Utf.h"

namespace instance {
namespace {

constexpr char16_t kLocalInstance[] = u"ZOL";
constexpr char16_t kDefaultInstance[] = u"MSSQLSERVER";

std::u16string LocalComputer() {
    return platform::Current().ComputerName().value_or(u"LOCALHOST");
}

bool IsLocalAlias(std::u16string_view computer) {
    return computer == u"." || SameName(computer, u"(local)") || SameName(computer, u"localhost") ||
           SameName(computer, LocalComputer());
}

// The sub-folder of `parent` named `name`: the exact spelling first, else one
// that differs in letter case only (names compare case-insensitively).
std::optional<std::filesystem::path> FindFolder(const std::filesystem::path& parent,
                                                std::u16string_view name) {
    std::error_code ec;
    const std::filesystem::path exact = parent / EscapeName(name);
    if (std::filesystem::is_directory(exact, ec))
        return exact;
    std::optional<std::filesystem::path> found;
    for (std::filesystem::directory_iterator it(parent, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (it->is_directory(ec) && SameName(UnescapeName(it->path().filename().string()), name) &&
            (!found || it->path() < *found)) {
            found = it->path();  // the same one every time
        }
    }
    return found;
}

}  // namespace

std::filesystem::path Instance::ServersFolder() {
    return platform::DataHome() / "servers";
}

std::u16string Instance::EnsureLocal() {
    static std::mutex creating;
    std::lock_guard lock(creating);
    const std::u16string computer = LocalComputer();
    const std::filesystem::path folder =
        ServersFolder() / EscapeName(computer) / EscapeName(kLocalInstance);
    std::error_code ec;
    if (!std::filesystem::exists(folder / kCatalogFile, ec)) {
        std::string error;
        CreateInstanceFolder(folder, &error);
    }
    return computer + u"\\" + kLocalInstance;
}

std::optional<Instance> Instance::Locate(std::u16string_view serverName, std::u16string* error) {
    const std::size_t slash = serverName.find(u'\\');
    std::u16string computer(serverName.substr(0, slash));
    const std::u16string instanceName(slash == std::u16string_view::npos
                                          ? std::u16string_view(kDefaultInstance)
                                          : serverName.substr(slash + 1));
    if (!computer.empty() && IsLocalAlias(computer)) {
        computer = LocalComputer();
        if (SameName(instanceName, kLocalInstance))
            EnsureLocal();
    }
    std::error_code ec;
    if (!computer.empty() && !instanceName.empty()) {
        if (auto computerFolder = FindFolder(ServersFolder(), computer)) {
            if (auto folder = FindFolder(*computerFolder, instanceName);
                folder && std::filesystem::exists(*folder / kCatalogFile, ec)) {
                return Instance(UnescapeName(computerFolder->filename().string()) + u"\\" +
                                    UnescapeName(folder->filename().string()),
                                *folder);
            }
        }
    }
    if (error != nullptr) {
        *error = u"[zolmgr] The server '" + std::u16string(serverName) +
                 u"' does not exist or access is denied.";
    }
    return std::nullopt;
}

std::vector<std::u16string> Instance::ListServers() {
    std::vector<std::u16string> servers;
    std::error_code ec;
    for (std::filesystem::directory_iterator computer(ServersFolder(), ec), end;
         !ec && computer != end; computer.increment(ec)) {
        if (!computer->is_directory(ec))
            continue;
        std::error_code inner;
        for (std::filesystem::directory_iterator it(computer->path(), inner), last;
             !inner && it != last; it.increment(inner)) {
            if (std::filesystem::exists(it->path() / kCatalogFile, inner)) {
                servers.push_back(UnescapeName(computer->path().filename().string()) + u"\\" +
                                  UnescapeName(it->path().filename().string()));
            }
        }
    }
    return servers;
}

std::int32_t Instance::ServiceState() const {
    Connection catalog;
    if (!OpenCatalog(folder_, catalog))
        return 0;
    Statement query(catalog, "SELECT state FROM service WHERE id = 1");
    if (!query.Step())
        return 0;
    return static_cast<std::int32_t>(query.Int(0));
}

bool Instance::SetServiceState(std::int32_t state) const {
    Connection catalog;
    if (!OpenCatalog(folder_, catalog))
        return false;
    return Statement(catalog, "UPDATE service SET state = ? WHERE id = 1").Bind(1, state).Run();
}

std::vector<DatabaseEntry> Instance::Databases() const {
    std::vector<DatabaseEntry> databases;
    Connection catalog;
    if (!OpenCatalog(folder_, catalog))
        return databases;
    Statement query(catalog, "SELECT name, system, file FROM databases ORDER BY rowid");
    while (query.Step()) {
        databases.push_back({platform::FromUtf8(query.Text(0)), query.Int(1) != 0,
                             folder_ / kDatabasesFolder / query.Text(2)});
    }
    return databases;
}

std::optional<DatabaseEntry> Instance::FindDatabase(std::u16string_view name) const {
    for (DatabaseEntry& entry : Databases()) {
        if (SameName(entry.name, name))
            return std::move(entry);
    }
    return std::nullopt;
}

}  // namespace instance

namespace instance {

std::filesystem::path Instance::NewDatabaseFile(std::u16string_view name) const {
    const std::filesystem::path folder = folder_ / kDatabasesFolder;
    const std::string base = EscapeName(name);
    std::filesystem::path file = folder / (base + ".db");
    std::error_code ec;
    for (int n = 2; std::filesystem::exists(file, ec); ++n) {
        file = folder / (base + "_" + std::to_string(n) + ".db");
    }
    return file;
}

bool Instance::AddDatabase(std::u16string_view name, const std::filesystem::path& file) const {
    Connection catalog;
    if (!OpenCatalog(folder_, catalog))
        return false;
    return Statement(catalog, "INSERT INTO databases(name, file, system) VALUES(?, ?, 0)")
        .Bind(1, platform::ToUtf8(name))
        .Bind(2, file.filename().string())
        .Run();
}

}  // namespace instance
