// The T-SQL statements the backup and restore objects hand out: names and
// paths are quoted so that no text can end the statement early.
#include <gtest/gtest.h>

#include "dmo/ComPtr.h"
#include "instance/BackupObjects.h"

TEST(BackupStatementTest, NamesAndPathsAreQuoted) {
    struct Case {
        const char16_t* database;
        const char16_t* file;
        bool option;
        std::u16string backup;
        std::u16string restore;
    };
    const Case cases[] = {
        {u"zol", u"C:\\ZOLBackup\\zol.bak", true,
         u"BACKUP DATABASE [zol] TO DISK = N'C:\\ZOLBackup\\zol.bak' WITH INIT",
         u"RESTORE DATABASE [zol] FROM DISK = N'C:\\ZOLBackup\\zol.bak' WITH REPLACE"},
        {u"odd]name", u"C:\\it's.bak", false,
         u"BACKUP DATABASE [odd]]name] TO DISK = N'C:\\it''s.bak' WITH NOINIT",
         u"RESTORE DATABASE [odd]]name] FROM DISK = N'C:\\it''s.bak'"},
    };
    for (const Case& c : cases) {
        auto backup = dmo::ComPtr<instance::BackupObject>::Adopt(new instance::BackupObject());
        auto restore = dmo::ComPtr<instance::RestoreObject>::Adopt(new instance::RestoreObject());
        backup->SetDatabase(c.database);
        backup->SetFiles(c.file);
        backup->SetInitialize(c.option);
        restore->SetDatabase(c.database);
        restore->SetFiles(c.file);
        restore->SetReplaceDatabase(c.option);
        std::u16string statement;
        ASSERT_EQ(backup->GenerateSQL(&statement), dmo::S_OK);
        EXPECT_EQ(statement, c.backup);
        ASSERT_EQ(restore->GenerateSQL(&statement), dmo::S_OK);
        EXPECT_EQ(statement, c.restore);
    }
}
