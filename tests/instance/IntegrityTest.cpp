// The integrity check and repair on real damaged files, and the sessions that
// guard the repair.
#include <gtest/gtest.h>

#include <fstream>

#include "instance/Integrity.h"
#include "instance/Sessions.h"
#include "instance/Sqlite.h"
#include "tests/support/DamagedFiles.h"
#include "tests/support/TempHome.h"

namespace {

class IntegrityTest : public ::testing::Test {
protected:
    // The smallest file with an index that can be damaged apart from its table.
    std::filesystem::path SmallFile() {
        const auto file = home.Path() / "small.db";
        Sql(file,
            "CREATE TABLE t(id INTEGER PRIMARY KEY, name TEXT);"
            "CREATE INDEX t_name ON t(name);"
            "INSERT INTO t(name) VALUES('a'), ('b'), ('c');");
        return file;
    }
    // A table spread over many pages, so that one damaged leaf loses a few rows only.
    std::filesystem::path LargeFile() {
        const auto file = home.Path() / "large.db";
        Sql(file,
            "CREATE TABLE big(id INTEGER PRIMARY KEY, payload TEXT);"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
            "INSERT INTO big SELECT i, printf('%0200d', i) FROM n;");
        return file;
    }
    // How many rows of the large table can be read one by one, damage or not.
    static long long ReadableRows(const std::filesystem::path& file) {
        instance::Connection db;
        EXPECT_TRUE(db.OpenReadOnly(file));
        long long readable = 0;
        for (int id = 1; id <= 2000; ++id) {
            instance::Statement row(db, "SELECT * FROM big WHERE id = ?");
            row.Bind(1, id);
            readable += row.Step() ? 1 : 0;
        }
        return readable;
    }
    static std::vector<std::u16string> Lines(const std::optional<std::u16string>& text) {
        std::vector<std::u16string> lines;
        if (!text)
            return lines;
        std::size_t start = 0;
        while (start <= text->size()) {
            const std::size_t end = std::min(text->find(u'\n', start), text->size());
            lines.push_back(text->substr(start, end - start));
            start = end + 1;
        }
        return lines;
    }
    TempHome home;
};

}  // namespace

TEST_F(IntegrityTest, ASoundFilePassesWithoutMessages) {
    const auto result = instance::CheckDatabaseFile(SmallFile());
    EXPECT_EQ(result.status, dmo::S_OK);
    EXPECT_FALSE(result.messages.has_value());
}

TEST_F(IntegrityTest, ADamagedIndexIsReportedAndRepairedWithoutLoss) {
    const auto file = SmallFile();
    ZeroPage(file, RootPage(file, "t_name"));
    const auto check = instance::CheckDatabaseFile(file);
    EXPECT_EQ(check.status, dmo::S_FALSE);
    const auto lines = Lines(check.messages);
    ASSERT_FALSE(lines.empty());
    for (const auto& line : lines) {
        EXPECT_TRUE(line.starts_with(instance::kMessagePrefix));
        EXPECT_GT(line.size(), instance::kMessagePrefix.size());
    }

    const auto repair = instance::RepairDatabaseFile(file);
    EXPECT_EQ(repair.status, dmo::S_FALSE);  // it did something, and says what
    const auto said = Lines(repair.messages);
    EXPECT_NE(
        std::find(said.begin(), said.end(),
                  std::u16string(instance::kMessagePrefix) + u"Repair: table 't': 3 rows kept."),
        said.end());
    EXPECT_EQ(instance::CheckDatabaseFile(file).status, dmo::S_OK);
    EXPECT_EQ(Scalar(file, "SELECT count(*) FROM t INDEXED BY t_name WHERE name > ''"), 3);
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".repair"));
}

TEST_F(IntegrityTest, ADamagedTablePageLosesOnlyItsOwnRows) {
    struct Case {
        const char* name;
        bool lastPageToo;  // also hides the table's last row id
    };
    for (const Case c : {Case{"one leaf in the middle", false}, Case{"and the last leaf", true}}) {
        SCOPED_TRACE(c.name);
        const auto file = LargeFile();
        const int pages = PageCount(file);
        ASSERT_GT(pages, 20);
        ZeroPage(file, pages / 2);
        if (c.lastPageToo)
            ZeroPage(file, pages);
        const long long readable = ReadableRows(file);
        ASSERT_LT(readable, 2000);
        ASSERT_GT(readable, 1900);
        EXPECT_EQ(instance::CheckDatabaseFile(file).status, dmo::S_FALSE);

        const auto repair = instance::RepairDatabaseFile(file);
        EXPECT_EQ(repair.status, dmo::S_FALSE);
        // Every row that could still be read is kept, and no other.
        EXPECT_EQ(Scalar(file, "SELECT count(*) FROM big"), readable);
        bool toldLoss = false;
        for (const auto& line : Lines(repair.messages)) {
            toldLoss |= line.find(u"lost") != std::u16string::npos;
        }
        EXPECT_TRUE(toldLoss);
        EXPECT_EQ(instance::CheckDatabaseFile(file).status, dmo::S_OK);
        std::filesystem::remove(file);
    }
}

TEST_F(IntegrityTest, TheRepairedFileKeepsItsOwnSettings) {
    const auto file = SmallFile();
    Sql(file, "PRAGMA user_version = 7; PRAGMA application_id = 4242;");
    ZeroPage(file, RootPage(file, "t_name"));
    ASSERT_EQ(instance::RepairDatabaseFile(file).status, dmo::S_FALSE);
    EXPECT_EQ(Scalar(file, "PRAGMA user_version"), 7);
    EXPECT_EQ(Scalar(file, "PRAGMA application_id"), 4242);
}

TEST_F(IntegrityTest, AFileThatIsNoDatabaseFailsTheCheckAndIsLeftAlone) {
    const auto file = home.Path() / "garbage.db";
    std::ofstream(file) << std::string(4096, 'x');
    const auto check = instance::CheckDatabaseFile(file);
    EXPECT_TRUE(dmo::Failed(check.status));
    ASSERT_TRUE(check.messages.has_value());
    EXPECT_TRUE(check.messages->starts_with(instance::kMessagePrefix));

    EXPECT_TRUE(dmo::Failed(instance::RepairDatabaseFile(file).status));
    EXPECT_EQ(std::filesystem::file_size(file), 4096u);

    const auto missing = instance::CheckDatabaseFile(home.Path() / "missing.db");
    EXPECT_TRUE(dmo::Failed(missing.status));
}

TEST_F(IntegrityTest, SingleUserModeNeedsTheOnlySessionAndKeepsOthersOut) {
    const auto file = SmallFile();
    std::u16string error;
    auto mine = instance::Session::Open(file, &error);
    auto other = instance::Session::Open(file, &error);
    ASSERT_TRUE(mine && other);
    EXPECT_EQ(mine->SessionCount(), 2);
    EXPECT_FALSE(mine->SetSingleUser(true, &error));
    EXPECT_FALSE(error.empty());
    other.reset();
    ASSERT_TRUE(mine->SetSingleUser(true, &error));
    EXPECT_TRUE(mine->IsSingleUser());
    EXPECT_FALSE(instance::Session::Open(file, &error).has_value());
    ASSERT_TRUE(mine->SetSingleUser(false, &error));
    EXPECT_TRUE(instance::Session::Open(file, &error).has_value());
    // A session that ends in single-user mode lets the others back in.
    ASSERT_TRUE(mine->SetSingleUser(true, &error));
    mine.reset();
    EXPECT_TRUE(instance::Session::Open(file, &error).has_value());
}
