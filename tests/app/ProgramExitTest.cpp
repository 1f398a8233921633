// The whole program as it runs: start-up makes the toolkit's application, runs
// the dialog, and ends the process. This executable has a main of its own so
// that nothing of the toolkit exists before start-up, as in the program.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <future>
#include <thread>

#include "app/ActivityLog.h"
#include "app/CzolmgrApp.h"
#include "app/CzolmgrDlg.h"
#include "app/Globals.h"
#include "app/ProcessEnd.h"
#include "dmo/ComPtr.h"
#include "dmo/ConnectionPoint.h"
#include "dmo/Object.h"
#include "instance/Instance.h"
#include "instance/Registration.h"
#include "instance/Sqlite.h"
#include "res/Resources.h"
#include "res/resource.h"
#include "tests/support/ScriptedResponder.h"
#include "tests/support/TempHome.h"
#include "tests/support/Wait.h"
#include "ui/Dialog.h"
#include "ui/UiThread.h"

namespace {

// Starts the program as main does and ends the process with its status.
[[noreturn]] void RunTheProgram() {
    int argc = 1;
    char name[] = "zolmgr";
    char* argv[] = {name, nullptr};
    EndProcess(theApp.Run(argc, argv));
}

// The whole program: start-up runs the dialog; Exit, with a worker still busy
// inside the server object, ends the process with status 0 and no crash.
[[noreturn]] void RunProgramAndExitWhileAWorkerRuns() {
    TempHome home;
    instance::RegisterClasses();
    res::Install();
    ScriptedResponder responder;
    std::atomic<bool> started{false};
    responder.onDialog = [&started](ui::Dialog& dialog) {
        dialog.SendCommand(IDC_CONNECT);
        // A worker that keeps using the objects, the log and the progress message.
        std::thread([&started] {
            for (;;) {
                std::int32_t status = 0;
                if (g_pServer != nullptr)
                    g_pServer->GetStatus(&status);
                AppendLogLine(u"still working");
                g_ctlActivityLog.GetItemCount();
                PostUpdateText(kBackupComplete, u"text");
                PostUpdatePercent(kBackupPercent, 5);
                started = true;
            }
        }).detach();
        EXPECT_TRUE(WaitFor([&started] { return started.load(); }));
        dialog.SendCommand(ui::IDOK);
        return ui::IDOK;
    };
    RunTheProgram();
}

}  // namespace

TEST(ProgramExitTest, ExitWhileAWorkerRunsEndsTheProcessCleanly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunProgramAndExitWhileAWorkerRuns(), ::testing::ExitedWithCode(0), "");
}

namespace {

// Holds a backup run at its first percent event until the test lets it go.
class GateSink final : public dmo::Object<dmo::IWSQLDMOBackupSink> {
public:
    explicit GateSink(std::shared_future<void> gate) : gate_(std::move(gate)) {}
    dmo::HRESULT OnPercent(const char16_t*, std::int32_t) override {
        reached = true;
        gate_.wait();
        return dmo::S_OK;
    }
    dmo::HRESULT OnNextVolume(const char16_t*) override { return dmo::S_OK; }
    dmo::HRESULT OnComplete(const char16_t*) override { return dmo::S_OK; }

    std::atomic<bool> reached{false};

private:
    std::shared_future<void> gate_;
};

std::filesystem::path ExitTestHome() {
    return std::getenv("ZOLMGR_HOME");
}

std::filesystem::path BackupOf(const char* database) {
    return ExitTestHome() / "drive_c/ZOLBackup" / (std::string(database) + ".bak");
}

// Exit while a backup runs: the run is asked to abort, stops at its next
// step, and the process ends only once the old backup is back in place.
[[noreturn]] void RunProgramAndExitDuringABackup() {
    instance::RegisterClasses();
    res::Install();
    {
        // Big enough that the run has many steps.
        auto local = instance::Instance::Locate(u".\\ZOL", nullptr);
        instance::Connection db;
        db.Open(local->FindDatabase(u"dezurivuvi")->file, false);
        db.Exec(
            "CREATE TABLE filler(x);"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
            "INSERT INTO filler SELECT printf('%0500d', i) FROM n;");
    }
    ScriptedResponder responder;
    std::promise<void> open;
    auto gate = dmo::ComPtr<GateSink>::Adopt(new GateSink(open.get_future().share()));
    responder.onDialog = [&](ui::Dialog& dialog) {
        auto& main = static_cast<CzolmgrDlg&>(dialog);
        main.SendCommand(IDC_CONNECT);
        main.SendCommand(IDC_BACKUP);  // the old backup
        WaitFor([&main] { return main.RunningWorkers() == 0; });
        instance::Connection old;
        old.Open(BackupOf("dezurivuvi"), false);
        old.Exec("CREATE TABLE marker(x)");
        old.Close();

        dmo::ComPtr<dmo::IConnectionPointContainer> container;
        g_pBackup->QueryInterface(dmo::IConnectionPointContainer::kIid, container.PutVoid());
        dmo::ComPtr<dmo::IConnectionPoint> point;
        container->FindConnectionPoint(dmo::IWSQLDMOBackupSink::kIid, point.Put());
        std::uint32_t cookie = 0;
        point->Advise(static_cast<dmo::IWSQLDMOBackupSink*>(gate.Get()), &cookie);
        main.SendCommand(IDC_BACKUP);
        WaitFor([&] { return gate->reached.load(); });
        main.SendCommand(ui::IDOK);
        // The run goes on to its next step, and stops there, only once the
        // program has begun to end: the end must wait for it.
        std::thread([&open] {
            ui::WaitForFinishUi();
            open.set_value();
        }).detach();
        return ui::IDOK;
    };
    RunTheProgram();
}

}  // namespace

TEST(ProgramExitTest, ExitDuringABackupKeepsTheOldBackupAndLeavesNoPartialFile) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // The process that runs the program runs this test again from its start:
    // it finds the data home made here through the environment and uses it.
    const bool made = std::getenv("ZOLMGR_EXIT_TEST_HOME") == nullptr;
    if (made) {
        char folder[] = "/tmp/zolmgr-exit-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        setenv("ZOLMGR_EXIT_TEST_HOME", folder, 1);
    }
    setenv("ZOLMGR_HOME", std::getenv("ZOLMGR_EXIT_TEST_HOME"), 1);
    EXPECT_EXIT(RunProgramAndExitDuringABackup(), ::testing::ExitedWithCode(0), "");
    const auto backup = BackupOf("dezurivuvi");
    ASSERT_TRUE(std::filesystem::exists(backup));
    EXPECT_FALSE(std::filesystem::exists(backup.string() + ".partial"));
    EXPECT_FALSE(std::filesystem::exists(backup.string() + ".zolmgr-previous"));
    instance::Connection db;
    ASSERT_TRUE(db.OpenReadOnly(backup));
    instance::Statement marker(db, "SELECT count(*) FROM sqlite_master WHERE name = 'marker'");
    ASSERT_TRUE(marker.Step());
    EXPECT_EQ(marker.Int(0), 1);
    db.Close();
    if (made)
        std::filesystem::remove_all(ExitTestHome());
}

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
