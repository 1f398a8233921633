#pragma once
// The main dialog (template 102). Its methods live in the folder of the
// subsystem they belong to: connection and service in server/, the backup
// path and runs in backup/, check, repair and rebuild in maintenance/.
// Thread contract: UI thread, except EnableOperationControls and the worker
// methods, which run on the worker threads.
#include <QIcon>
#include <atomic>
#include <functional>

#include "dmo/Unknown.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Dialog.h"
#include "ui/Edit.h"

class CzolmgrDlg : public ui::Dialog {
public:
    CzolmgrDlg();
    ~CzolmgrDlg() override;

    bool CreateManagementObjects();
    void SetConnectedState(bool connected);
    void EnableOperationControls(bool enable);

    // Server selection, connection and database list.
    void FillServerList();
    void OnSelchangeServer();
    void OnConnect();
    void FillDatabaseList();
    void OnDisconnect();
    void OnSecurity();

    // Service status.
    void UpdateServiceStatus();
    void OnStartStop();
    void OnPauseContinue();

    // Backup file, runs and maintenance.
    void OnSelchangeDatabase();
    void OnBrowse();
    void OnBackup();
    void OnRestore();
    void OnCheckDB();
    void OnRepairDB();
    void OnReindexDB();
    void OnSchedule();
    ui::LRESULT OnUpdateText(ui::WPARAM wParam, ui::LPARAM lParam);

    // The long operations, each on a worker thread of its own.
    void BackupDatabase();
    void RestoreDatabase();
    void CheckDatabase();
    void RepairDatabase();
    void ReindexDatabase();
    // How many worker threads have not yet returned from their work.
    int RunningWorkers() const;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;
    const ui::MessageMap* GetMessageMap() const override;

    void OnSysCommand(unsigned nID);
    void OnTimer(unsigned nIDEvent);
    void OnEnterIdle();

    QIcon m_hIcon;
    ui::ComboBox m_cbServers;
    ui::ComboBox m_cbDatabases;
    ui::Button m_btnConnect;
    ui::Button m_btnDisconnect;
    ui::Edit m_editBackupFile;
    ui::Button m_btnBackup;
    ui::Button m_btnRestore;
    ui::Button m_btnBrowse;
    ui::Button m_btnSecurity;
    ui::Edit m_editStatus;
    ui::Button m_btnStart;
    ui::Button m_btnContinue;
    ui::Button m_btnCheckDB;
    ui::Button m_btnReIndex;
    ui::Button m_btnSchedule;
    std::atomic<int> m_nRunningWorkers{0};

private:
    void SetUpActivityLog();
    // Disables the operation controls (so a second click cannot start a
    // second operation) and starts `work` on a detached worker thread.
    void StartWorker(void (CzolmgrDlg::*work)());
    void SwitchOperationControls(bool enable);
    // Reads the path box into g_szBackupFile; a path that does not fit is
    // refused with a message (false).
    bool TakeBackupFile();
    // The frame of a backup or restore run: the sink advised at the object's
    // connection point, the run under the wait cursor, a failure reported with
    // its code and description, the sink unadvised. Takes over pSink.
    void RunWithProgress(dmo::IUnknown* pObject, const dmo::Guid& sinkIid, dmo::IUnknown* pSink,
                         const std::function<dmo::HRESULT()>& run, const char* pszErrorFormat);
    void ReportRunFailure(const char* pszFormat, dmo::HRESULT hr);
    // Takes the chosen server name into g_szServerName: the edit field for the
    // first entry or none, the entry's text otherwise. A name that does not fit
    // is refused with a message and the previous name stays.
    bool TakeServerName();
    // Disconnects the server object: on success the dialog is disconnected, on
    // failure the user is told and nothing changes.
    void DisconnectFromServer();
    void ChangeServiceAndDisconnect(const std::function<void()>& change);
    void StartStatusTimer();
};
