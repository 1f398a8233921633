#include "app/Globals.h"

dmo::IApplication* g_pApplication = nullptr;
dmo::IServer* g_pServer = nullptr;
dmo::IBackup* g_pBackup = nullptr;
dmo::IRestore* g_pRestore = nullptr;

platform::FixedText<100> g_szServerName;
platform::FixedText<100> g_szLogin;
platform::FixedText<100> g_szPassword;
platform::FixedText<100> g_szDatabaseName;
platform::FixedText<260> g_szBackupFile;
platform::FixedText<260> g_szBackupFolder;

int g_bConnected = 0;

unsigned g_uUpdateTextMsg = 0;
std::atomic<unsigned> g_nStatusTimer{0};

ui::ListView g_ctlActivityLog;

void ResetGlobals() {
    g_pApplication = nullptr;
    g_pServer = nullptr;
    g_pBackup = nullptr;
    g_pRestore = nullptr;
    g_szServerName.Clear();
    g_szLogin.Clear();
    g_szPassword.Clear();
    g_szDatabaseName.Clear();
    g_szBackupFile.Clear();
    g_szBackupFolder.Clear();
    g_bConnected = 0;
    g_uUpdateTextMsg = 0;
    g_nStatusTimer = 0;
    g_ctlActivityLog = ui::ListView();
}
