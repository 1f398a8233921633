#pragma once
// The databases a new instance starts with: the four system databases and the
// sample application databases "zol" and "dezurivuvi".
#include <filesystem>
#include <string>
#include <vector>

namespace instance {

struct SampleDatabase {
    std::u16string name;
    std::string utf8Name;
    bool system;
    const char* schema;  // tables, indexes and rows
};

const std::vector<SampleDatabase>& SampleDatabases();

bool BuildSampleDatabase(const SampleDatabase& database, const std::filesystem::path& file,
                         std::string* error);

}  // namespace instance
