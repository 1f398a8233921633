// The backup file path, the settings file zevizu.ini and Browse.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <fstream>

#include "app/Globals.h"
#include "res/resource.h"
#include "tests/support/MainDialogFixture.h"
#include "ui/ComboBox.h"

namespace {

std::string Bytes(const std::u16string& text) {
    std::string bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

class BackupPathTest : public MainDialogFixture {
protected:
    void Connect() {
        Open();
        dlg->SendCommand(IDC_CONNECT);
        ASSERT_EQ(g_bConnected, 1);
    }
    void Select(const std::u16string& database) {
        ui::ComboBox combo(dlg.get(), IDC_DATABASES);
        for (int i = 0; i < combo.GetCount(); ++i) {
            if (combo.GetLBText(i) == database) {
                auto* widget = qobject_cast<QComboBox*>(Widget(IDC_DATABASES));
                widget->setCurrentIndex(i);
                emit widget->activated(i);
                return;
            }
        }
        ADD_FAILURE() << "no such database";
    }
    void WriteSettings(const std::string& bytes) {
        std::ofstream(home.Path() / "zevizu.ini", std::ios::binary) << bytes;
    }
    std::optional<std::string> Settings() {
        std::ifstream file(home.Path() / "zevizu.ini", std::ios::binary);
        if (!file)
            return std::nullopt;
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    void BrowseTo(std::optional<std::u16string> chosen, const char* wanderTo = nullptr) {
        responder.onOpenFile = [=](const ui::OpenFileRequest&) {
            // The administrator wanders about in the dialog before deciding.
            if (wanderTo != nullptr)
                std::filesystem::current_path(wanderTo);
            return chosen;
        };
        dlg->SendCommand(IDC_BROWSE);
    }
    std::u16string Path() { return Text(IDC_BACKUPFILE); }
};

}  // namespace

TEST_F(BackupPathTest, WithoutSettingsTheDefaultFolderIsUsedAndMade) {
    Connect();
    EXPECT_EQ(Path(), u"C:\\ZOLBackup\\dezurivuvi.bak");
    Select(u"zol");
    EXPECT_EQ(Path(), u"C:\\ZOLBackup\\zol.bak");
    EXPECT_EQ(g_szBackupFile.View(), u"C:\\ZOLBackup\\zol.bak");
    EXPECT_EQ(g_szBackupFolder.View(), u"C:\\ZOLBackup\\");
    EXPECT_TRUE(std::filesystem::is_directory(home.Path() / "drive_c/ZOLBackup"));
    EXPECT_FALSE(Settings().has_value());
}

TEST_F(BackupPathTest, BrowseRemembersTheChosenFolderForTheNextSelection) {
    Connect();
    BrowseTo(u"D:\\Backups\\mine.bak");
    ASSERT_EQ(responder.openFiles.size(), 1u);
    const ui::OpenFileRequest& request = responder.openFiles[0];
    EXPECT_EQ(request.title, u"Backup / Restore File");
    EXPECT_EQ(request.filter, u"SQL Server Data Backup (*.bak) |  *.bak||");
    EXPECT_EQ(request.initialFile, u"C:\\ZOLBackup\\dezurivuvi.bak");
    EXPECT_FALSE(request.fileMustExist);

    EXPECT_EQ(Path(), u"D:\\Backups\\mine.bak");
    EXPECT_EQ(Settings(), Bytes(u"D:\\Backups\\"));
    EXPECT_EQ(Settings()->size(), 22u);
    Select(u"zol");
    EXPECT_EQ(Path(), u"D:\\Backups\\zol.bak");
}

TEST_F(BackupPathTest, AShorterFolderLeavesNothingOfALongerOne) {
    Connect();
    BrowseTo(u"D:\\a\\much\\longer\\folder\\x.bak");
    BrowseTo(u"D:\\b\\y.bak");
    EXPECT_EQ(Settings(), Bytes(u"D:\\b\\"));
    Select(u"zol");
    EXPECT_EQ(Path(), u"D:\\b\\zol.bak");
}

TEST_F(BackupPathTest, CancelledBrowseChangesNothing) {
    WriteSettings(Bytes(u"C:\\Old\\"));
    Connect();
    const std::filesystem::path before = std::filesystem::current_path();
    BrowseTo(std::nullopt, "/");
    EXPECT_EQ(std::filesystem::current_path(), before);
    EXPECT_EQ(Path(), u"C:\\Old\\dezurivuvi.bak");
    EXPECT_EQ(Settings(), Bytes(u"C:\\Old\\"));
}

TEST_F(BackupPathTest, BrowseWritesTheSettingsWhereTheProgramStarted) {
    Connect();
    const std::filesystem::path before = std::filesystem::current_path();
    BrowseTo(u"Z:\\srv\\mine.bak", "/tmp");
    EXPECT_EQ(std::filesystem::current_path(), before);
    EXPECT_EQ(Settings(), Bytes(u"Z:\\srv\\"));
    EXPECT_FALSE(std::filesystem::exists("/tmp/zevizu.ini.new"));
}

TEST_F(BackupPathTest, AFileWithoutBackslashServesWholeAsTheFolder) {
    Connect();
    BrowseTo(u"mine.bak");
    EXPECT_EQ(Settings(), Bytes(u"mine.bak"));
    BrowseTo(u"\\x.bak");  // the first character is never looked at
    EXPECT_EQ(Settings(), Bytes(u"\\x.bak"));
}

TEST_F(BackupPathTest, SettingsFileEdgeCases) {
    struct Case {
        const char* name;
        std::string bytes;
        std::u16string path;
    };
    const std::u16string longFolder = u"C:\\" + std::u16string(300, u'f') + u"\\";
    const Case cases[] = {
        {"empty", "", u"zol.bak"},
        {"odd byte count", Bytes(u"D:\\Backups\\") + "X", u"D:\\Backups\\zol.bak"},
        {"too long for its field", Bytes(longFolder), u"C:\\ZOLBackup\\zol.bak"},
        {"read up to 1000 bytes", Bytes(u"E:\\" + std::u16string(600, u'e')),
         u"C:\\ZOLBackup\\zol.bak"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteSettings(c.bytes);
        Open();
        dlg->SendCommand(IDC_CONNECT);
        Select(u"zol");
        EXPECT_EQ(Path(), c.path);
        EXPECT_EQ(Settings(), c.bytes);  // reading never writes
        TearDown();
        SetUp();
    }
}

TEST_F(BackupPathTest, ASettingsFileThatIsAFolderReadsAsMissingAndCannotBeWritten) {
    std::filesystem::create_directory(home.Path() / "zevizu.ini");
    Connect();
    EXPECT_EQ(Path(), u"C:\\ZOLBackup\\dezurivuvi.bak");
    BrowseTo(u"D:\\x\\y.bak");
    EXPECT_TRUE(responder.boxes.empty());
    EXPECT_EQ(Path(), u"D:\\x\\y.bak");
    EXPECT_TRUE(std::filesystem::is_directory(home.Path() / "zevizu.ini"));
}

TEST_F(BackupPathTest, APathTooLongForItsFieldIsShownWholeAndNotKept) {
    WriteSettings(Bytes(u"C:\\" + std::u16string(250, u'd') + u"\\"));
    Connect();
    EXPECT_EQ(Path(), u"C:\\" + std::u16string(250, u'd') + u"\\dezurivuvi.bak");
    EXPECT_EQ(g_szBackupFile.View(), u"");
}

TEST_F(BackupPathTest, TypingADatabaseNameDoesNotChangeThePath) {
    Connect();
    auto* combo = qobject_cast<QComboBox*>(Widget(IDC_DATABASES));
    QTest::keyClicks(combo->lineEdit(), "other");
    EXPECT_EQ(Path(), u"C:\\ZOLBackup\\dezurivuvi.bak");
    EXPECT_EQ(g_szDatabaseName.View(), u"dezurivuvi");
}

TEST_F(BackupPathTest, ADatabaseNameTooLongIsRefusedAndThePreviousOneStays) {
    Connect();
    // No entry chosen: the name comes from the edit field.
    ui::ComboBox(dlg.get(), IDC_DATABASES).SetCurSel(-1);
    qobject_cast<QComboBox*>(Widget(IDC_DATABASES))->lineEdit()->setText(QString(120, u'n'));
    dlg->OnSelchangeDatabase();
    EXPECT_EQ(g_szDatabaseName.View(), u"dezurivuvi");
    EXPECT_EQ(Path(), u"C:\\ZOLBackup\\dezurivuvi.bak");
    EXPECT_EQ(responder.Texts(),
              std::vector<std::u16string>{
                  u"The database name is longer than 99 characters and cannot be used."});
}

TEST_F(BackupPathTest, AHandTypedPathIsNotRemembered) {
    Connect();
    dlg->GetDlgItem(IDC_BACKUPFILE).SetWindowText(u"E:\\hand\\typed.bak");
    Select(u"zol");
    EXPECT_FALSE(Settings().has_value());
    EXPECT_EQ(Path(), u"C:\\ZOLBackup\\zol.bak");
}
