#include "tests/support/DamagedFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "instance/Sqlite.h"

long long Scalar(const std::filesystem::path& file, const std::string& sql) {
    instance::Connection db;
    EXPECT_TRUE(db.Open(file, false)) << db.Error();
    instance::Statement query(db, sql.c_str());
    EXPECT_TRUE(query.Step()) << db.Error();
    return query.Int(0);
}

int RootPage(const std::filesystem::path& file, const std::string& name) {
    return static_cast<int>(
        Scalar(file, "SELECT rootpage FROM sqlite_master WHERE name = '" + name + "'"));
}

int PageSize(const std::filesystem::path& file) {
    return static_cast<int>(Scalar(file, "PRAGMA page_size"));
}

int PageCount(const std::filesystem::path& file) {
    return static_cast<int>(Scalar(file, "PRAGMA page_count"));
}

void ZeroPage(const std::filesystem::path& file, int page) {
    const int size = PageSize(file);
    std::fstream stream(file, std::ios::binary | std::ios::in | std::ios::out);
    ASSERT_TRUE(stream);
    stream.seekp(static_cast<std::streamoff>(page - 1) * size);
    const std::vector<char> zeros(static_cast<std::size_t>(size), 0);
    stream.write(zeros.data(), size);
    ASSERT_TRUE(stream);
}

void Sql(const std::filesystem::path& file, const std::string& sql) {
    instance::Connection db;
    ASSERT_TRUE(db.Open(file, true)) << db.Error();
    ASSERT_TRUE(db.Exec(sql.c_str())) << db.Error();
}
