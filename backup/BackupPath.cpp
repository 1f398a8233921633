#include <filesystem>

#include "app/CzolmgrDlg.h"
#include "app/Globals.h"
#include "backup/SettingsFile.h"
#include "platform/WindowsPath.h"
#include "ui/App.h"
#include "ui/Modal.h"

namespace {

constexpr char16_t kDefaultFolder[] = u"C:\\ZOLBackup\\";
constexpr char16_t kDefaultDirectory[] = u"C:\\ZOLBackup";

// The folder of a chosen file: up to and with its last backslash, looked for
// from the end down to the second character; the whole path without one.
std::u16string FolderOf(std::u16string_view path) {
    for (std::size_t i = path.size(); i-- > 1;) {
        if (path[i] == u'\\')
            return std::u16string(path.substr(0, i + 1));
    }
    return std::u16string(path);
}

void CreateDefaultDirectory() {
    if (auto local = platform::ToLocalPath(kDefaultDirectory)) {
        std::error_code ignored;
        std::filesystem::create_directories(*local, ignored);
    }
}

}  // namespace

void CzolmgrDlg::OnSelchangeDatabase() {
    const int nIndex = m_cbDatabases.GetCurSel();
    const std::u16string strName =
        nIndex >= 0 ? m_cbDatabases.GetLBText(nIndex) : m_cbDatabases.GetWindowText();
    // A cut name would act on another database: refuse it, keep the last one.
    if (!g_szDatabaseName.Fits(strName, kSelectionLimit)) {
        ui::AppMessageBox(u"The database name is longer than 99 characters and cannot be used.");
        return;
    }
    g_szDatabaseName.Assign(strName, kSelectionLimit);

    // A folder that does not fit its field is treated like an unreadable file.
    std::optional<std::u16string> strFolder = ReadBackupFolder();
    if (!strFolder || !g_szBackupFolder.Fits(*strFolder)) {
        CreateDefaultDirectory();
        strFolder = kDefaultFolder;
    }
    g_szBackupFolder.Assign(*strFolder);

    // Shown whole even when too long for the field: the runs refuse such a
    // path rather than use part of it.
    const std::u16string strPath =
        std::u16string(g_szBackupFolder.View()) + std::u16string(g_szDatabaseName.View()) + u".bak";
    if (g_szBackupFile.Fits(strPath)) {
        g_szBackupFile.Assign(strPath);
    } else {
        g_szBackupFile.Clear();
    }
    m_editBackupFile.SetWindowText(strPath);
}

void CzolmgrDlg::OnBrowse() {
    std::error_code ec;
    const std::filesystem::path savedDirectory = std::filesystem::current_path(ec);
    g_szBackupFile.Assign(m_editBackupFile.GetWindowText(), kSelectionLimit);

    ui::OpenFileRequest request;
    request.owner = this;
    request.title = u"Backup / Restore File";
    request.filter = u"SQL Server Data Backup (*.bak) |  *.bak||";
    request.initialFile = g_szBackupFile.c_str();
    request.fileMustExist = false;
    const std::optional<std::u16string> chosen = ui::ShowOpenFileDialog(request);

    // The dialog may have moved the current directory; the settings file lives
    // in the one the program started in.
    if (!savedDirectory.empty())
        std::filesystem::current_path(savedDirectory, ec);
    if (!chosen)
        return;
    WriteBackupFolder(FolderOf(*chosen));
    m_editBackupFile.SetWindowText(*chosen);
}
