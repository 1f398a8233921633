#include "app/CzolmgrDlg.h"
#include "app/Globals.h"
#include "dmo/ComPtr.h"
#include "ui/App.h"
#include "ui/WaitCursor.h"

void CzolmgrDlg::OnConnect() {
    ui::WaitCursor wait;
    if (g_pServer == nullptr || !TakeServerName())
        return;
    g_pServer->SetLoginTimeout(kLoginTimeout);
    g_pServer->SetLoginSecure(true);
    UpdateServiceStatus();

    if (dmo::Failed(
            g_pServer->Connect(g_szServerName.c_str(), g_szLogin.c_str(), g_szPassword.c_str()))) {
        std::int32_t nStatus = dmo::kStatusUnknown;
        g_pServer->GetStatus(&nStatus);
        if (nStatus == dmo::kStatusRunning)
            return;
        if (ui::AppMessageBox(u"The Server does not appear to be running.  Issue 'Start' command "
                              u"then service and retry the connection?",
                              ui::MB_OKCANCEL) != ui::IDOK) {
            return;
        }
        g_pServer->SetLoginTimeout(kStartLoginTimeout);
        if (dmo::Failed(g_pServer->Start(true, g_szServerName.c_str(), g_szLogin.c_str(),
                                         g_szPassword.c_str()))) {
            ui::AppMessageBox(u"Failed connecting to the SQL Server");
            return;
        }
    }
    g_bConnected = 1;
    SetConnectedState(true);
    FillDatabaseList();
}

void CzolmgrDlg::FillDatabaseList() {
    m_cbDatabases.ResetContent();
    dmo::ComPtr<dmo::IDatabases> pDatabases;
    std::int32_t nCount = 0;
    if (g_pServer != nullptr) {
        g_pServer->GetDatabases(pDatabases.Put());
        g_pServer->GetDatabaseCount(&nCount);
    }
    for (std::int32_t i = 0; pDatabases && i < nCount; ++i) {
        dmo::ComPtr<dmo::IDatabase> pDatabase;
        if (dmo::Failed(pDatabases->GetItemByOrd(i, pDatabase.Put())) || !pDatabase)
            continue;
        std::u16string strName;
        bool bSystem = false;
        pDatabase->GetName(&strName);
        pDatabase->GetSystemObject(&bSystem);
        if (!bSystem)
            m_cbDatabases.AddString(strName);
    }
    m_cbDatabases.SetCurSel(0);
    OnSelchangeDatabase();
}

void CzolmgrDlg::OnDisconnect() {
    if (g_pServer != nullptr)
        DisconnectFromServer();
}

void CzolmgrDlg::DisconnectFromServer() {
    if (dmo::Failed(g_pServer->DisConnect())) {
        ui::AppMessageBox(u"Failed disconnecting from the SQL Server");
        return;
    }
    g_bConnected = 0;
    SetConnectedState(false);
}

void CzolmgrDlg::OnSecurity() {
    // The access dialog comes with access management.
}
