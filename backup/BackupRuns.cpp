#include <cstdio>

#include "app/CzolmgrDlg.h"
#include "app/Globals.h"
#include "backup/OldBackup.h"
#include "backup/Sinks.h"
#include "dmo/ComPtr.h"
#include "dmo/ConnectionPoint.h"
#include "dmo/ErrorInfo.h"
#include "ui/App.h"
#include "ui/UiThread.h"
#include "ui/WaitCursor.h"

namespace {

constexpr char16_t kErrorCaption[] = u"Error";

}  // namespace

void CzolmgrDlg::OnBackup() {
    ui::ShowWaitCursorUntilMouseMoves();
    StartWorker(&CzolmgrDlg::BackupDatabase);
}

void CzolmgrDlg::OnRestore() {
    StartWorker(&CzolmgrDlg::RestoreDatabase);
}

bool CzolmgrDlg::TakeBackupFile() {
    const std::u16string strPath = m_editBackupFile.GetWindowText();
    // A cut path would write or read another file: refuse it.
    if (!g_szBackupFile.Fits(strPath, kSelectionLimit)) {
        ui::AppMessageBox(u"The backup file path is longer than 99 characters and cannot be used.");
        return false;
    }
    g_szBackupFile.Assign(strPath, kSelectionLimit);
    return true;
}

void CzolmgrDlg::ReportRunFailure(const char* pszFormat, dmo::HRESULT hr) {
    char szCode[64];
    std::snprintf(szCode, sizeof szCode, pszFormat, static_cast<unsigned>(hr));
    std::u16string strText(szCode, szCode + std::char_traits<char>::length(szCode));
    if (std::optional<std::u16string> strDescription = dmo::TakeErrorInfo()) {
        strText += *strDescription;
    }
    MessageBox(strText, kErrorCaption, ui::MB_OK);
}

void CzolmgrDlg::RunWithProgress(dmo::IUnknown* pObject, const dmo::Guid& sinkIid,
                                 dmo::IUnknown* pSink, const std::function<dmo::HRESULT()>& run,
                                 const char* pszErrorFormat) {
    dmo::ComPtr<dmo::IUnknown> sink = dmo::ComPtr<dmo::IUnknown>::Adopt(pSink);
    // Without its management object there is nothing to run.
    if (pObject == nullptr)
        return;
    dmo::ComPtr<dmo::IConnectionPointContainer> pContainer;
    if (dmo::Failed(
            pObject->QueryInterface(dmo::IConnectionPointContainer::kIid, pContainer.PutVoid())) ||
        !pContainer) {
        MessageBox(u"Failed in QueryInterface function.", kErrorCaption, ui::MB_OK);
        return;
    }
    dmo::ComPtr<dmo::IConnectionPoint> pPoint;
    if (dmo::Failed(pContainer->FindConnectionPoint(sinkIid, pPoint.Put())) || !pPoint) {
        MessageBox(u"Failed in FindConnectionPoint function.", kErrorCaption, ui::MB_OK);
        return;
    }
    std::uint32_t dwCookie = 0;
    if (dmo::Failed(pPoint->Advise(sink.Get(), &dwCookie))) {
        MessageBox(u"Failed in Advise function.", kErrorCaption, ui::MB_OK);
        return;
    }
    dmo::HRESULT hr = dmo::S_OK;
    {
        ui::WaitCursor wait;
        dmo::ClearErrorInfo();
        hr = run();
        // An abort is asked for by whoever ends the run; it is no error to show.
        if (dmo::Failed(hr) && hr != dmo::SQLDMO_E_ABORTED)
            ReportRunFailure(pszErrorFormat, hr);
    }
    if (dmo::Failed(pPoint->Unadvise(dwCookie))) {
        MessageBox(u"Failed in Unadvise function.", kErrorCaption, ui::MB_OK);
    }
}

void CzolmgrDlg::BackupDatabase() {
    EnableOperationControls(false);
    if (!TakeBackupFile()) {
        EnableOperationControls(true);
        return;
    }
    // Whatever the check finds, the backup goes on.
    CheckDatabase();
    EnableOperationControls(false);
    RunWithProgress(
        g_pBackup, dmo::IWSQLDMOBackupSink::kIid,
        static_cast<dmo::IWSQLDMOBackupSink*>(new CBackupSink),
        [] {
            // Held over the run: if the program ends meanwhile, it waits until the
            // aborted run has stopped and the old backup is back in place.
            ui::UiCall keepUntilSettled;
            OldBackup old(g_szBackupFile.View());
            g_pBackup->SetDatabase(g_szDatabaseName.c_str());
            g_pBackup->SetFiles(g_szBackupFile.c_str());
            g_pBackup->SetInitialize(true);
            g_pBackup->SetPercentCompleteNotification(5);
            const dmo::HRESULT hr = g_pBackup->SQLBackup(g_pServer);
            old.Settle(dmo::Succeeded(hr));
            return hr;
        },
        "Backup returned Error Code: %0x\r\n");
    EnableOperationControls(true);
}

void CzolmgrDlg::RestoreDatabase() {
    EnableOperationControls(false);
    const int nIndex = m_cbDatabases.GetCurSel();
    const std::u16string strName =
        nIndex >= 0 ? m_cbDatabases.GetLBText(nIndex) : m_cbDatabases.GetWindowText();
    if (!g_szDatabaseName.Fits(strName, kSelectionLimit)) {
        ui::AppMessageBox(u"The database name is longer than 99 characters and cannot be used.");
        EnableOperationControls(true);
        return;
    }
    g_szDatabaseName.Assign(strName, kSelectionLimit);
    if (!TakeBackupFile()) {
        EnableOperationControls(true);
        return;
    }
    RunWithProgress(
        g_pRestore, dmo::IWSQLDMORestoreSink::kIid,
        static_cast<dmo::IWSQLDMORestoreSink*>(new CRestoreSink),
        [] {
            ui::UiCall keepUntilSettled;
            g_pRestore->SetDatabase(g_szDatabaseName.c_str());
            g_pRestore->SetFiles(g_szBackupFile.c_str());
            g_pRestore->SetReplaceDatabase(true);
            g_pRestore->SetPercentCompleteNotification(5);
            return g_pRestore->SQLRestore(g_pServer);
        },
        "Restore returned Error Code: %0x\r\n");
    EnableOperationControls(true);
}
