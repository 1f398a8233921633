// Backup and restore runs against the real embedded instance and real files.
#include <fstream>

#include "app/Globals.h"
#include "dmo/ComPtr.h"
#include "dmo/ConnectionPoint.h"
#include "dmo/Object.h"
#include "instance/Instance.h"
#include "instance/Sessions.h"
#include "platform/Utf.h"
#include "res/resource.h"
#include "tests/support/DamagedFiles.h"
#include "tests/support/MainDialogFixture.h"
#include "tests/support/Wait.h"
#include "ui/ComboBox.h"

namespace {

using Lines = std::vector<std::u16string>;

// A second sink on the backup object that, at 10 percent, does what may happen
// to a run from outside: an abort as the exit path asks, or a stop of the service.
class InterruptingSink final : public dmo::Object<dmo::IWSQLDMOBackupSink> {
public:
    InterruptingSink(dmo::IBackup* backup, bool stopService)
        : backup_(backup), stopService_(stopService) {}
    dmo::HRESULT OnPercent(const char16_t*, std::int32_t percent) override {
        if (percent == 10 && stopService_)
            g_pServer->Shutdown(true);
        else if (percent == 10)
            backup_->Abort();
        return dmo::S_OK;
    }
    dmo::HRESULT OnNextVolume(const char16_t*) override { return dmo::S_OK; }
    dmo::HRESULT OnComplete(const char16_t*) override { return dmo::S_OK; }

private:
    dmo::IBackup* backup_;
    bool stopService_;
};

class BackupRunTest : public MainDialogFixture {
protected:
    void Connect() {
        Open();
        dlg->SendCommand(IDC_CONNECT);
        ASSERT_EQ(g_bConnected, 1);
        Select(u"zol");
    }
    void Select(const std::u16string& name) {
        ui::ComboBox combo(dlg.get(), IDC_DATABASES);
        for (int i = 0; i < combo.GetCount(); ++i) {
            if (combo.GetLBText(i) == name)
                combo.SetCurSel(i);
        }
        dlg->OnSelchangeDatabase();
    }
    std::filesystem::path Database(const std::u16string& name) {
        return instance::Instance::Locate(u"TESTBOX\\ZOL", nullptr)->FindDatabase(name)->file;
    }
    std::filesystem::path BackupFile() { return home.Path() / "drive_c/ZOLBackup/zol.bak"; }
};

}  // namespace

TEST_F(BackupRunTest, BackupChecksThenWritesARealBackupWithProgress) {
    Connect();
    const Lines lines = RunOperation(IDC_BACKUP);
    ASSERT_GE(lines.size(), 23u);
    EXPECT_EQ(lines[0], u"Checking database integrity . . .");
    EXPECT_EQ(lines[1], u"Database passes all integrity tests");
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(lines[2 + i],
                  u"Backup Percent:  " + platform::FromUtf8(std::to_string(5 * (i + 1))));
    }
    EXPECT_TRUE(
        lines[22].starts_with(u"Backup Complete:  BACKUP DATABASE [zol] successfully processed "));
    EXPECT_TRUE(responder.Captioned(u"Error").empty());
    ASSERT_TRUE(std::filesystem::exists(BackupFile()));
    EXPECT_EQ(Scalar(BackupFile(), "SELECT count(*) FROM orders"), 5);
    EXPECT_EQ(Scalar(BackupFile(), "SELECT count(*) FROM zolmgr_backup WHERE database = 'zol'"), 1);
    EXPECT_FALSE(std::filesystem::exists(BackupFile().string() + ".partial"));
    EXPECT_FALSE(std::filesystem::exists(BackupFile().string() + ".zolmgr-previous"));
}

TEST_F(BackupRunTest, RestoreBringsTheRowsBack) {
    Connect();
    RunOperation(IDC_BACKUP);
    Sql(Database(u"zol"), "DELETE FROM orders; INSERT INTO customers(name) VALUES('stray');");
    const Lines lines = RunOperation(IDC_RESTORE);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), u"Restore Percent:  5");
    EXPECT_TRUE(
        lines.back().starts_with(u"Restore Complete:  RESTORE DATABASE [zol] successfully"));
    EXPECT_EQ(Scalar(Database(u"zol"), "SELECT count(*) FROM orders"), 5);
    EXPECT_EQ(Scalar(Database(u"zol"), "SELECT count(*) FROM customers"), 4);
    EXPECT_EQ(
        Scalar(Database(u"zol"), "SELECT count(*) FROM sqlite_master WHERE name = 'zolmgr_backup'"),
        0);
}

TEST_F(BackupRunTest, RestoreToATypedNameMakesThatDatabase) {
    Connect();
    RunOperation(IDC_BACKUP);
    ui::ComboBox(dlg.get(), IDC_DATABASES).SetCurSel(-1);
    dlg->GetDlgItem(IDC_DATABASES).SetWindowText(u"zol copy/../x");
    RunOperation(IDC_RESTORE);
    EXPECT_TRUE(responder.Captioned(u"Error").empty());
    EXPECT_EQ(g_szDatabaseName.View(), u"zol copy/../x");
    EXPECT_EQ(Text(IDC_BACKUPFILE), u"C:\\ZOLBackup\\zol.bak");
    const auto file = Database(u"zol copy/../x");
    EXPECT_EQ(file.parent_path(), Database(u"zol").parent_path());  // kept in its folder
    EXPECT_EQ(Scalar(file, "SELECT count(*) FROM orders"), 5);
    // The next connection lists it.
    dlg->SendCommand(IDC_DISCONNECT);
    dlg->SendCommand(IDC_CONNECT);
    EXPECT_EQ(ui::ComboBox(dlg.get(), IDC_DATABASES).GetCount(), 3);
}

TEST_F(BackupRunTest, RestoreFromAFileThatIsNoBackupIsRefusedAndTouchesNothing) {
    Connect();
    std::filesystem::create_directories(BackupFile().parent_path());
    std::ofstream(BackupFile()) << "not a backup at all";
    RunOperation(IDC_RESTORE);
    const auto boxes = responder.Captioned(u"Error");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              u"Restore returned Error Code: 80004005\r\n[zolmgr] The file "
              u"'C:\\ZOLBackup\\zol.bak' is not a backup made by this server.");
    EXPECT_EQ(boxes[0].type, ui::MB_OK);
    EXPECT_EQ(Scalar(Database(u"zol"), "SELECT count(*) FROM orders"), 5);
}

TEST_F(BackupRunTest, RestoreIsRefusedWhileAnotherSessionUsesTheDatabase) {
    Connect();
    RunOperation(IDC_BACKUP);
    std::u16string error;
    auto holder = instance::Session::Open(Database(u"zol"), &error);
    ASSERT_TRUE(holder);
    Sql(Database(u"zol"), "DELETE FROM orders");
    RunOperation(IDC_RESTORE);
    ASSERT_EQ(responder.Captioned(u"Error").size(), 1u);
    EXPECT_NE(responder.Captioned(u"Error")[0].text.find(u"is in use"), std::u16string::npos);
    EXPECT_EQ(Scalar(Database(u"zol"), "SELECT count(*) FROM orders"), 0);
}

TEST_F(BackupRunTest, AFailedBackupLeavesThePreviousBackupInPlace) {
    Connect();
    RunOperation(IDC_BACKUP);
    const auto before = std::filesystem::file_size(BackupFile());
    Sql(BackupFile(), "CREATE TABLE marker(x)");  // tells this backup from a new one
    g_szDatabaseName.Assign(u"gone");             // the run will not find it
    RunOperation(IDC_BACKUP);
    ASSERT_EQ(responder.Captioned(u"Error").size(), 1u);
    EXPECT_EQ(responder.Captioned(u"Error")[0].text,
              u"Backup returned Error Code: 80004005\r\n[zolmgr] The "
              u"database 'gone' does not exist.");
    EXPECT_GE(std::filesystem::file_size(BackupFile()), before);
    EXPECT_EQ(Scalar(BackupFile(), "SELECT count(*) FROM sqlite_master WHERE name = 'marker'"), 1);
    EXPECT_FALSE(std::filesystem::exists(BackupFile().string() + ".zolmgr-previous"));
}

TEST_F(BackupRunTest, AnInterruptedBackupLeavesNoPartialFileAndTheOldOneIntact) {
    Connect();
    Sql(Database(u"zol"),
        "CREATE TABLE filler(x);"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
        "INSERT INTO filler SELECT printf('%0500d', i) FROM n;");
    RunOperation(IDC_BACKUP);
    Sql(BackupFile(), "CREATE TABLE marker(x)");

    dmo::ComPtr<dmo::IConnectionPointContainer> container;
    ASSERT_EQ(g_pBackup->QueryInterface(dmo::IConnectionPointContainer::kIid, container.PutVoid()),
              dmo::S_OK);
    dmo::ComPtr<dmo::IConnectionPoint> point;
    ASSERT_EQ(container->FindConnectionPoint(dmo::IWSQLDMOBackupSink::kIid, point.Put()),
              dmo::S_OK);
    for (bool stopService : {false, true}) {
        SCOPED_TRACE(stopService ? "service stopped" : "aborted");
        auto interrupting =
            dmo::ComPtr<InterruptingSink>::Adopt(new InterruptingSink(g_pBackup, stopService));
        std::uint32_t cookie = 0;
        ASSERT_EQ(point->Advise(static_cast<dmo::IWSQLDMOBackupSink*>(interrupting.Get()), &cookie),
                  dmo::S_OK);
        const Lines lines = RunOperation(IDC_BACKUP);
        point->Unadvise(cookie);
        EXPECT_TRUE(responder.Captioned(u"Error").empty());  // an abort is no error to show
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [](const auto& l) { return l.starts_with(u"Backup Complete"); }),
                  0);
        EXPECT_FALSE(std::filesystem::exists(BackupFile().string() + ".partial"));
        EXPECT_FALSE(std::filesystem::exists(BackupFile().string() + ".zolmgr-previous"));
        EXPECT_EQ(Scalar(BackupFile(), "SELECT count(*) FROM sqlite_master WHERE name = 'marker'"),
                  1);
    }
    dlg->UpdateServiceStatus();
    EXPECT_EQ(Text(IDC_STATUS), u"Stopped");
}

TEST_F(BackupRunTest, TheBackupOfADamagedDatabaseWarnsThenGoesOn) {
    Connect();
    const auto file = Database(u"zol");
    ZeroPage(file, RootPage(file, "customers_name"));
    RunOperation(IDC_BACKUP);
    ASSERT_FALSE(responder.boxes.empty());
    EXPECT_TRUE(responder.boxes[0].text.starts_with(u"Problems detected!!!"));
    EXPECT_TRUE(std::filesystem::exists(BackupFile()));
    EXPECT_TRUE(Visible(IDC_REPAIRDB));
}
