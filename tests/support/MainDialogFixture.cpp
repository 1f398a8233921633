#include "tests/support/MainDialogFixture.h"

#include <QGuiApplication>

#include "app/Globals.h"
#include "dmo/Registry.h"
#include "instance/Registration.h"
#include "res/resource.h"
#include "tests/support/RecordingObjects.h"
#include "tests/support/Wait.h"
#include "ui/App.h"
#include "ui/Control.h"

void MainDialogFixture::SetUp() {
    // The settings file lives in the current directory: keep it in the data home.
    savedDirectory = std::filesystem::current_path();
    std::filesystem::current_path(home.Path());
    RecordingApplication::names.reset();
    ResetGlobals();
    dmo::Registry::Instance().Clear();
}

void MainDialogFixture::TearDown() {
    if (dlg != nullptr)
        dlg->EndDialog(ui::IDCANCEL);
    ui::SetMainWindow(nullptr);
    dlg.reset();
    // The program holds its objects until the process ends; a test lets them go.
    for (dmo::IUnknown* object :
         std::initializer_list<dmo::IUnknown*>{g_pApplication, g_pServer, g_pBackup, g_pRestore}) {
        if (object != nullptr)
            object->Release();
    }
    ResetGlobals();
    dmo::Registry::Instance().Clear();
    std::filesystem::current_path(savedDirectory);
    // A wait cursor that lasts until the mouse moves outlives a headless test.
    while (QGuiApplication::overrideCursor() != nullptr)
        QGuiApplication::restoreOverrideCursor();
}

CzolmgrDlg& MainDialogFixture::Open() {
    if (useInstance)
        instance::RegisterClasses();
    dlg = std::make_unique<CzolmgrDlg>();
    ui::SetMainWindow(dlg.get());
    EXPECT_TRUE(dlg->Create());
    return *dlg;
}

QWidget* MainDialogFixture::Widget(int id) const {
    return dlg->Widget(id);
}

std::u16string MainDialogFixture::Text(int id) const {
    return dlg->GetDlgItem(id).GetWindowText();
}

bool MainDialogFixture::Enabled(int id) const {
    return dlg->GetDlgItem(id).IsWindowEnabled();
}

bool MainDialogFixture::Visible(int id) const {
    return dlg->GetDlgItem(id).IsWindowVisible();
}

bool MainDialogFixture::WaitForWorkers() {
    return WaitFor([this] { return dlg->RunningWorkers() == 0; });
}

void MainDialogFixture::ExpectOperationsBack() {
    for (int id :
         {IDC_SERVERS, IDC_DATABASES, IDC_CONNECT, IDC_DISCONNECT, IDC_BACKUPFILE, IDC_BACKUP,
          IDC_RESTORE, IDC_BROWSE, IDC_SECURITY, IDC_CHECKDB, IDC_REINDEXDB, IDC_SCHEDULE}) {
        EXPECT_TRUE(Enabled(id)) << "control " << id;
    }
    EXPECT_EQ(dlg->TimerInterval(1), 5000);
}

std::vector<std::u16string> MainDialogFixture::RunOperation(int button) {
    const int before = g_ctlActivityLog.GetItemCount();
    dlg->SendCommand(button);
    EXPECT_TRUE(WaitForWorkers());
    ExpectOperationsBack();
    // The progress lines were posted before the worker's last step, which the
    // UI thread carried out after them.
    std::vector<std::u16string> lines;
    for (int i = before; i < g_ctlActivityLog.GetItemCount(); ++i) {
        lines.push_back(g_ctlActivityLog.GetItemText(i));
    }
    return lines;
}
