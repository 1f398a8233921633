#pragma once
// The module-level state the main dialog, its handlers and the worker threads
// share. Texts are UTF-16 with sizes in characters, terminator included.
#include <atomic>

#include "dmo/Application.h"
#include "dmo/Backup.h"
#include "dmo/Server.h"
#include "platform/FixedText.h"
#include "ui/ListView.h"

// Management objects: created at dialog initialisation, held until the process ends.
extern dmo::IApplication* g_pApplication;
extern dmo::IServer* g_pServer;
extern dmo::IBackup* g_pBackup;
extern dmo::IRestore* g_pRestore;

// Of a selection string, at most this many characters take effect; a longer
// text is refused rather than cut.
inline constexpr std::size_t kSelectionLimit = 99;
// The login time-out of a connection, and of one that starts the service first.
inline constexpr std::int32_t kLoginTimeout = 10;
inline constexpr std::int32_t kStartLoginTimeout = 30;

// Selection strings.
extern platform::FixedText<100> g_szServerName;
extern platform::FixedText<100> g_szLogin;
extern platform::FixedText<100> g_szPassword;
extern platform::FixedText<100> g_szDatabaseName;
extern platform::FixedText<260> g_szBackupFile;
// The folder of the last database selection's backup path.
extern platform::FixedText<260> g_szBackupFolder;

// 1 while connected.
extern int g_bConnected;

// The registered progress message and the status timer.
extern unsigned g_uUpdateTextMsg;
// Written by the worker threads' EnableOperationControls, read by the timer handler.
extern std::atomic<unsigned> g_nStatusTimer;

// The activity log, bound to control 1007 by the main dialog.
extern ui::ListView g_ctlActivityLog;

// Returns every global to its start value (tests start each dialog afresh).
// The management objects are dropped, not released: nothing releases them.
void ResetGlobals();
