// The integrity check and repair on real damaged files, and the sessions that
// guard the repair.
#include <gtest/gtest.h>

#include <fstream>

#include "instance/Integrity.h"
#include "instance/Sessions.h"
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
    const auto file = LargeFile();
    const int pages = PageCount(file);
    ASSERT_GT(pages, 20);
    ZeroPage(file, pages / 2);  // a leaf in the middle of the table
    EXPECT_EQ(instance::CheckDatabaseFile(file).status, dmo::S_FALSE);

    const auto repair = instance::RepairDatabaseFile(file);
    EXPECT_EQ(repair.status, dmo::S_FALSE);
    const long long kept = Scalar(file, "SELECT count(*) FROM big");
    EXPECT_GT(kept, 1900);  // a leaf holds a couple of dozen rows
    EXPECT_LT(kept, 2000);
    EXPECT_EQ(Scalar(file, "SELECT max(id) FROM big"), 2000);  // rows past the damage kept
    bool toldLoss = false;
    for (const auto& line : Lines(repair.messages)) {
        toldLoss |= line.find(u"lost") != std::u16string::npos;
    }
    EXPECT_TRUE(toldLoss);
    EXPECT_EQ(instance::CheckDatabaseFile(file).status, dmo::S_OK);
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
