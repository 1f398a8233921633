#include "instance/Catalog.h"

#include <system_error>

#include "instance/FileName.h"
#include "instance/SampleData.h"

namespace instance {

bool OpenCatalog(const std::filesystem::path& folder, Connection& catalog) {
    return catalog.Open(folder / kCatalogFile, false);
}

bool CreateInstanceFolder(const std::filesystem::path& folder, std::string* error) {
    std::error_code ec;
    std::filesystem::create_directories(folder / kDatabasesFolder, ec);
    if (ec) {
        *error = ec.message();
        return false;
    }
    // Built under a temporary name and renamed, so a half-made catalog is never found.
    const std::filesystem::path building = folder / "catalog.db.new";
    std::filesystem::remove(building, ec);
    {
        Connection catalog;
        if (!catalog.Open(building, true) ||
            !catalog.Exec("CREATE TABLE service(id INTEGER PRIMARY KEY CHECK(id = 1),"
                          "                     state INTEGER NOT NULL);"
                          "INSERT INTO service VALUES(1, 1);"
                          "CREATE TABLE databases(name TEXT PRIMARY KEY COLLATE NOCASE,"
                          "                       file TEXT NOT NULL UNIQUE,"
                          "                       system INTEGER NOT NULL);")) {
            *error = catalog.Error();
            return false;
        }
        for (const SampleDatabase& database : SampleDatabases()) {
            const std::string file = EscapeName(database.name) + ".db";
            if (!BuildSampleDatabase(database, folder / kDatabasesFolder / file, error)) {
                return false;
            }
            Statement insert(catalog, "INSERT INTO databases VALUES(?, ?, ?)");
            if (!insert.Bind(1, database.utf8Name)
                     .Bind(2, file)
                     .Bind(3, database.system ? 1 : 0)
                     .Run()) {
                *error = catalog.Error();
                return false;
            }
        }
    }
    std::filesystem::rename(building, folder / kCatalogFile, ec);
    if (ec) {
        *error = ec.message();
        return false;
    }
    return true;
}

}  // namespace instance
