#include "app/CzolmgrDlg.h"

#include "app/CAboutDlg.h"
#include "app/Globals.h"
#include "app/StatusTimer.h"
#include "res/resource.h"
#include "ui/App.h"
#include "ui/DataExchange.h"
#include "ui/Menu.h"
#include "ui/Messages.h"
#include "ui/Resources.h"

namespace {
constexpr char16_t kUpdateTextMessageName[] =
    u"UWM_UPDATETEXT{014546EC-FA4C-0012-3329-405F62001A00}";
}

CzolmgrDlg::CzolmgrDlg() : ui::Dialog(IDD_ZOLMGR_DIALOG), m_hIcon(ui::LoadIcon(IDR_MAINFRAME)) {}

CzolmgrDlg::~CzolmgrDlg() = default;

void CzolmgrDlg::DoDataExchange(ui::DataExchange& dx) {
    ui::Dialog::DoDataExchange(dx);
    dx.Bind(IDC_SERVERS, m_cbServers);
    dx.Bind(IDC_DATABASES, m_cbDatabases);
    dx.Bind(IDC_CONNECT, m_btnConnect);
    dx.Bind(IDC_DISCONNECT, m_btnDisconnect);
    dx.Bind(IDC_BACKUPFILE, m_editBackupFile);
    dx.Bind(IDC_BACKUP, m_btnBackup);
    dx.Bind(IDC_RESTORE, m_btnRestore);
    dx.Bind(IDC_BROWSE, m_btnBrowse);
    dx.Bind(IDC_SECURITY, m_btnSecurity);
    dx.Bind(IDC_STATUS, m_editStatus);
    dx.Bind(IDC_STARTSTOP, m_btnStart);
    dx.Bind(IDC_PAUSECONTINUE, m_btnContinue);
    dx.Bind(IDC_ACTIVITYLOG, g_ctlActivityLog);
    dx.Bind(IDC_CHECKDB, m_btnCheckDB);
    dx.Bind(IDC_REINDEXDB, m_btnReIndex);
    dx.Bind(IDC_SCHEDULE, m_btnSchedule);
}

const ui::MessageMap* CzolmgrDlg::GetMessageMap() const {
    static const ui::MessageMap map{
        ui::OnSysCommandMessage(&CzolmgrDlg::OnSysCommand),
        ui::OnClicked(IDC_CONNECT, &CzolmgrDlg::OnConnect),
        ui::OnClicked(IDC_DISCONNECT, &CzolmgrDlg::OnDisconnect),
        ui::OnClicked(IDC_BACKUP, &CzolmgrDlg::OnBackup),
        ui::OnClicked(IDC_RESTORE, &CzolmgrDlg::OnRestore),
        ui::OnSelChange(IDC_DATABASES, &CzolmgrDlg::OnSelchangeDatabase),
        ui::OnClicked(IDC_BROWSE, &CzolmgrDlg::OnBrowse),
        ui::OnClicked(IDC_SECURITY, &CzolmgrDlg::OnSecurity),
        ui::OnEnterIdleMessage(&CzolmgrDlg::OnEnterIdle),
        ui::OnTimerMessage(&CzolmgrDlg::OnTimer),
        ui::OnSelChange(IDC_SERVERS, &CzolmgrDlg::OnSelchangeServer),
        ui::OnClicked(IDC_CHECKDB, &CzolmgrDlg::OnCheckDB),
        ui::OnClicked(IDC_REPAIRDB, &CzolmgrDlg::OnRepairDB),
        ui::OnClicked(IDC_REINDEXDB, &CzolmgrDlg::OnReindexDB),
        ui::OnClicked(IDC_SCHEDULE, &CzolmgrDlg::OnSchedule),
        ui::OnRegisteredMessage(&g_uUpdateTextMsg, &CzolmgrDlg::OnUpdateText),
        ui::OnClicked(IDC_STARTSTOP, &CzolmgrDlg::OnStartStop),
        ui::OnClicked(IDC_PAUSECONTINUE, &CzolmgrDlg::OnPauseContinue),
    };
    return &map;
}

bool CzolmgrDlg::OnInitDialog() {
    // Registered before anything can post it.
    g_uUpdateTextMsg = ui::RegisterWindowMessage(kUpdateTextMessageName);

    ui::Dialog::OnInitDialog();

    if (ui::Menu* pSysMenu = GetSystemMenu()) {
        const std::u16string strAboutMenu = ui::LoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.empty()) {
            pSysMenu->AppendSeparator();
            pSysMenu->AppendItem(IDM_ABOUTBOX, strAboutMenu);
        }
    }

    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);

    // A failure has shown its message already; the dialog opens all the same.
    CreateManagementObjects();
    FillServerList();
    SetConnectedState(false);
    SetUpActivityLog();
    StartStatusTimer();
    return true;
}

void CzolmgrDlg::StartStatusTimer() {
    g_nStatusTimer = SetTimer(kStatusTimerId, kStatusTimerPeriodMs);
}

void CzolmgrDlg::SetUpActivityLog() {
    g_ctlActivityLog.InsertColumn(0, u"", ui::ListView::Align::kLeft);
    g_ctlActivityLog.SetColumnWidth(0, 4000);
}

void CzolmgrDlg::OnSysCommand(unsigned nID) {
    if ((nID & 0xFFF0u) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        DefaultSysCommand(nID);
    }
}

void CzolmgrDlg::OnTimer(unsigned nIDEvent) {
    if (nIDEvent == g_nStatusTimer) {
        UpdateServiceStatus();
    }
}

void CzolmgrDlg::OnEnterIdle() {
    UpdateServiceStatus();
}

// The Exit button and the Enter key. Whatever runs is asked to stop before the
// server is let go; the dialog ends either way.
void CzolmgrDlg::OnOK() {
    if (g_bConnected != 0) {
        if (g_pBackup != nullptr)
            g_pBackup->Abort();
        if (g_pRestore != nullptr)
            g_pRestore->Abort();
        if (g_pServer != nullptr) {
            g_pServer->ReleaseIdleFiles();
            DisconnectFromServer();
        }
    }
    EndDialog(ui::IDOK);
}
