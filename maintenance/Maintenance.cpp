#include <cstdio>

#include "app/ActivityLog.h"
#include "app/CzolmgrDlg.h"
#include "app/Globals.h"
#include "dmo/ComPtr.h"
#include "maintenance/CheckMessages.h"
#include "res/resource.h"
#include "ui/App.h"
#include "ui/WaitCursor.h"

namespace {

constexpr char16_t kProblemsDetected[] =
    u"Problems detected!!!\r\n\r\nContact Kelvane Technical Support before proceeding.";

constexpr char16_t kRepairConfirmation[] =
    u"Continue with repairing the database only if you have done the following:\r\n\r\n"
    u"Performed a backup of the database\r\n"
    u"Stopped SQL Server\r\n"
    u"Performed a backup of all files in the MSSQL$ZOL\\DATA folder\r\n"
    u"Restarted SQL Server\r\n"
    u"Contacted Kelvane Technical Support for further instructions\r\n\r\n"
    u"Click 'Yes' only if you have performed these steps and are ready to continue.";

constexpr char16_t kSingleUserRefused[] =
    u"Could not set database to single user mode. There may be users in ZOL.";

// The selected database, or none when the server does not know it (status 0 only).
dmo::ComPtr<dmo::IDatabase> LookUpDatabase() {
    dmo::ComPtr<dmo::IDatabase> pDatabase;
    if (g_pServer == nullptr ||
        g_pServer->GetDatabaseByName(g_szDatabaseName.c_str(), pDatabase.Put(), nullptr) !=
            dmo::S_OK) {
        pDatabase.Reset();
    }
    return pDatabase;
}

}  // namespace

void CzolmgrDlg::OnCheckDB() {
    StartWorker(&CzolmgrDlg::CheckDatabase);
}

void CzolmgrDlg::OnRepairDB() {
    StartWorker(&CzolmgrDlg::RepairDatabase);
}

void CzolmgrDlg::OnReindexDB() {
    StartWorker(&CzolmgrDlg::ReindexDatabase);
}

void CzolmgrDlg::CheckDatabase() {
    EnableOperationControls(false);
    {
        ui::WaitCursor wait;
        dmo::ComPtr<dmo::IDatabase> pDatabase = LookUpDatabase();
        GetDlgItem(IDC_REPAIRDB).ShowWindow(false);
        if (pDatabase) {
            AppendLogLine(u"Checking database integrity . . .");
            std::optional<std::u16string> strMessages;
            if (pDatabase->CheckTables(&strMessages, dmo::kRepairNone) == dmo::S_OK) {
                AppendLogLine(u"Database passes all integrity tests");
            } else {
                LogCheckMessages(strMessages);
                ui::AppMessageBox(kProblemsDetected);
                GetDlgItem(IDC_REPAIRDB).ShowWindow(true);
            }
        }
    }
    EnableOperationControls(true);
}

void CzolmgrDlg::RepairDatabase() {
    EnableOperationControls(false);
    {
        ui::WaitCursor wait;
        if (ui::AppMessageBox(kRepairConfirmation, ui::MB_YESNO | ui::MB_ICONQUESTION) ==
            ui::IDYES) {
            if (dmo::ComPtr<dmo::IDatabase> pDatabase = LookUpDatabase()) {
                dmo::ComPtr<dmo::IDatabaseOptions> pOptions;
                if (pDatabase->GetDBOption(pOptions.Put()) != dmo::S_OK || !pOptions ||
                    pOptions->SetSingleUser(true) != dmo::S_OK) {
                    ui::AppMessageBox(kSingleUserRefused);
                } else {
                    std::optional<std::u16string> strMessages;
                    const dmo::HRESULT hr =
                        pDatabase->CheckTables(&strMessages, dmo::kRepairAllowDataLoss);
                    if (hr == dmo::S_OK || !strMessages) {
                        AppendLogLine(u"Database passes all integrity tests");
                    } else {
                        LogCheckMessages(strMessages);
                    }
                    // Back to multi-user, whatever the repair reported.
                    pOptions->SetSingleUser(false);
                }
            }
        }
    }
    EnableOperationControls(true);
}

void CzolmgrDlg::ReindexDatabase() {
    EnableOperationControls(false);
    {
        ui::WaitCursor wait;
        if (dmo::ComPtr<dmo::IDatabase> pDatabase = LookUpDatabase()) {
            AppendLogLine(u"Rebuilding Indexes");
            std::int32_t nCount = 0;
            pDatabase->GetTableCount(&nCount);
            for (std::int32_t i = 0; i < nCount; ++i) {
                dmo::ComPtr<dmo::ITable> pTable;
                pDatabase->GetTableByOrd(i, pTable.Put());
                char szLine[64];
                std::snprintf(szLine, sizeof szLine, "    Reindexing %d of %d", i + 1, nCount);
                const std::u16string strLine(szLine,
                                             szLine + std::char_traits<char>::length(szLine));
                AppendLogLine(strLine.c_str());
                // A table that could not be fetched is not rebuilt; the run goes on.
                if (pTable)
                    pTable->RebuildIndexes(0, 0);
            }
            AppendLogLine(u"Rebuild Indexes Completed");
        }
    }
    EnableOperationControls(true);
}
