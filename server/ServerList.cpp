#include <optional>

#include "app/CzolmgrDlg.h"
#include "app/Globals.h"
#include "dmo/ComPtr.h"
#include "platform/Services.h"
#include "ui/App.h"

void CzolmgrDlg::FillServerList() {
    std::u16string strLocalInstance;
    if (std::optional<std::u16string> computer = platform::Current().ComputerName()) {
        strLocalInstance = *computer + u"\\ZOL";
    }

    std::int32_t nCount = -1;
    dmo::ComPtr<dmo::INameList> pNames;
    if (g_pApplication != nullptr &&
        dmo::Succeeded(g_pApplication->ListAvailableSQLServers(pNames.Put())) && pNames) {
        nCount = 0;
        pNames->GetCount(&nCount);
    }

    bool bFoundLocal = false;
    for (std::int32_t i = 0; i < nCount; ++i) {
        std::u16string strName;
        pNames->GetItem(i, &strName);
        m_cbServers.AddString(strName);
        if (strName == strLocalInstance)
            bFoundLocal = true;
    }
    if (!bFoundLocal && !strLocalInstance.empty()) {
        m_cbServers.AddString(strLocalInstance);
        ++nCount;
    }
    if (nCount > 0)
        m_cbServers.SetCurSel(0);
    OnSelchangeServer();
}

bool CzolmgrDlg::TakeServerName() {
    const int nIndex = m_cbServers.GetCurSel();
    const std::u16string strName =
        nIndex <= 0 ? m_cbServers.GetWindowText() : m_cbServers.GetLBText(nIndex);
    if (!g_szServerName.Fits(strName, kSelectionLimit)) {
        ui::AppMessageBox(u"The server name is longer than 99 characters and cannot be used.");
        return false;
    }
    g_szServerName.Assign(strName, kSelectionLimit);
    return true;
}

void CzolmgrDlg::OnSelchangeServer() {
    if (!TakeServerName())
        return;
    if (g_pServer != nullptr) {
        g_pServer->SetName(g_szServerName.c_str());
        g_pServer->SetLoginSecure(true);
        g_pServer->SetLoginTimeout(kLoginTimeout);
    }
    UpdateServiceStatus();
}
