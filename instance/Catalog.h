#pragma once
// The catalog database of an instance: its service state and its databases.
#include <filesystem>

#include "instance/Sqlite.h"

namespace instance {

inline constexpr char kCatalogFile[] = "catalog.db";
inline constexpr char kDatabasesFolder[] = "databases";

// Opens an instance's catalog; false when it cannot.
bool OpenCatalog(const std::filesystem::path& folder, Connection& catalog);

// Makes a new instance in `folder`: catalog, system databases and the two
// sample application databases; the service starts out running.
bool CreateInstanceFolder(const std::filesystem::path& folder, std::string* error);

}  // namespace instance
