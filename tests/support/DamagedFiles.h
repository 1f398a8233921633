#pragma once
// Small SQLite files and the damage a disk can do to them: a page overwritten.
#include <filesystem>
#include <string>

// The page where an index or table starts, and the file's page size.
int RootPage(const std::filesystem::path& file, const std::string& name);
int PageSize(const std::filesystem::path& file);
int PageCount(const std::filesystem::path& file);
// Overwrites page `page` (counted from 1) with zero bytes.
void ZeroPage(const std::filesystem::path& file, int page);
// Runs SQL on the file, failing the test on error.
void Sql(const std::filesystem::path& file, const std::string& sql);
long long Scalar(const std::filesystem::path& file, const std::string& sql);
