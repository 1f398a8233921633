#include "res/MainDialog.h"

#include "res/resource.h"
#include "ui/Types.h"

namespace res {

using namespace ui;

const DialogTemplate& MainDialogTemplate() {
    // clang-format off
    static const DialogTemplate dialog{
        IDD_ZOLMGR_DIALOG,
        u"Velmora - Data Manager",
        417,
        286,
        u"MS Shell Dlg",
        8,
        kCaption | kSysMenu | kModalFrame | kAppWindow,
        {
            {IDOK, ControlKind::kDefPushButton, u"Exit", {360, 263, 50, 16}, kTabStop},
            {IDCANCEL, ControlKind::kPushButton, u"Cancel", {7, 263, 50, 16}, kTabStop, false,
             false},
            {IDC_SERVERS, ControlKind::kComboBox, u"", {15, 22, 173, 130},
             kTabStop | kSorted | kVScroll, true, true, u"Available SQL Servers"},
            {IDC_DISCONNECT, ControlKind::kPushButton, u"Disconnect", {137, 40, 50, 16}, kTabStop},
            {IDC_DATABASES, ControlKind::kComboBox, u"", {15, 85, 171, 83},
             kTabStop | kSorted | kVScroll, true, true, u"Current Database"},
            {IDC_BACKUP, ControlKind::kPushButton, u"Backup", {15, 148, 50, 16}, kTabStop},
            {IDC_RESTORE, ControlKind::kPushButton, u"Restore", {78, 148, 50, 16}, kTabStop},
            {IDC_CONNECT, ControlKind::kPushButton, u"Connect", {15, 39, 50, 16}, kTabStop},
            {kNoId, ControlKind::kGroupBox, u"Available SQL Servers:", {7, 7, 403, 56}},
            {kNoId, ControlKind::kGroupBox, u"Current Database:", {7, 73, 403, 36}},
            {kNoId, ControlKind::kGroupBox, u"Backup / Restore Functions", {7, 112, 403, 63}},
            {IDC_BACKUPFILE, ControlKind::kEdit, u"", {15, 123, 237, 14},
             kTabStop | kBorder | kAutoHScroll, true, true, u"Backup file"},
            {IDC_BROWSE, ControlKind::kPushButton, u"Browse", {259, 122, 50, 16}, kTabStop},
            {IDC_SECURITY, ControlKind::kPushButton, u"Security", {333, 41, 50, 14}, kTabStop},
            {IDC_STARTSTOP, ControlKind::kPushButton, u"Start", {198, 41, 50, 14}, kTabStop},
            {IDC_STATUS, ControlKind::kEdit, u"", {199, 21, 113, 14},
             kTabStop | kBorder | kReadOnly | kAutoHScroll, true, true, u"Service status"},
            {IDC_PAUSECONTINUE, ControlKind::kPushButton, u"Continue", {265, 41, 50, 14},
             kTabStop, false, true},
            {IDC_CHECKDB, ControlKind::kPushButton, u"Check DB", {196, 84, 50, 14}, kTabStop},
            {IDC_ACTIVITYLOG, ControlKind::kListView, u"", {7, 178, 403, 78},
             kTabStop | kNoColumnHeader | kSingleSel | kShowSelAlways | kBorder, true, true,
             u"Activity log"},
            {IDC_REPAIRDB, ControlKind::kPushButton, u"Repair DB", {255, 84, 50, 14}, kTabStop,
             false, true},
            {IDC_REINDEXDB, ControlKind::kPushButton, u"Re-Index DB", {316, 85, 50, 14}, kTabStop},
            {IDC_SCHEDULE, ControlKind::kPushButton, u"Schedule Automated Backups",
             {140, 148, 112, 16}, kTabStop},
            {kNoId, ControlKind::kStatic,
             u"*** Scheduled Auto backups are not available with SQL 2005 Express.  This "
             u"function requires MSDE, or the full version of SQL Server 2000 or SQL Server 2005.",
             {258, 140, 145, 31}},
        }};
    // clang-format on
    return dialog;
}

}  // namespace res
