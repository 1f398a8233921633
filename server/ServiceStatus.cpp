#include <array>

#include "app/CzolmgrDlg.h"
#include "app/Globals.h"
#include "ui/App.h"
#include "ui/WaitCursor.h"

namespace {

struct StatusRow {
    const char16_t* text;
    bool startEnabled;
    bool pauseEnabled;
    const char16_t* startCaption;
    const char16_t* pauseCaption;
};

// Indexed by the service status 0 to 7.
constexpr std::array<StatusRow, 8> kStatusRows{{
    {u"Unknown", true, false, u"Start", u"Pause"},
    {u"Running", true, true, u"Stop", u"Pause"},
    {u"Paused", true, true, u"Stop", u"Continue"},
    {u"Stopped", true, false, u"Start", u"Pause"},
    {u"Starting...", false, false, u"Stop", u"Pause"},
    {u"Stopping...", false, false, u"Start", u"Pause"},
    {u"Continuing...", false, false, u"Stop", u"Pause"},
    {u"Pausing...", false, false, u"Stop", u"Continue"},
}};

std::int32_t ReadStatus() {
    std::int32_t nStatus = dmo::kStatusUnknown;
    if (g_pServer != nullptr && dmo::Failed(g_pServer->GetStatus(&nStatus))) {
        nStatus = dmo::kStatusUnknown;
    }
    return nStatus;
}

}  // namespace

void CzolmgrDlg::UpdateServiceStatus() {
    const std::int32_t nStatus = ReadStatus();
    // Only the eight known states change what is shown.
    if (nStatus < 0 || nStatus >= static_cast<std::int32_t>(kStatusRows.size()))
        return;
    const StatusRow& row = kStatusRows[static_cast<std::size_t>(nStatus)];
    m_editStatus.SetWindowText(row.text);
    m_btnStart.EnableWindow(row.startEnabled);
    m_btnContinue.EnableWindow(row.pauseEnabled);
    m_btnStart.SetWindowText(row.startCaption);
    m_btnContinue.SetWindowText(row.pauseCaption);
}

void CzolmgrDlg::OnStartStop() {
    ui::WaitCursor wait;
    const std::int32_t nStatus = ReadStatus();
    if (nStatus == dmo::kStatusRunning && g_pServer != nullptr) {
        ChangeServiceAndDisconnect([] { g_pServer->Shutdown(true); });
    } else if (nStatus == dmo::kStatusStopped && g_pServer != nullptr) {
        g_pServer->Start(false, nullptr, nullptr, nullptr);
    }
    UpdateServiceStatus();
}

void CzolmgrDlg::OnPauseContinue() {
    ui::WaitCursor wait;
    const std::int32_t nStatus = ReadStatus();
    if (nStatus == dmo::kStatusRunning && g_pServer != nullptr) {
        ChangeServiceAndDisconnect([] { g_pServer->Pause(); });
    } else if (nStatus == dmo::kStatusPaused && g_pServer != nullptr) {
        g_pServer->Continue();
    }
    UpdateServiceStatus();
}

// A stop or a pause goes through a connection of its own (the dialog may be
// connected already), and the connection ends with it.
void CzolmgrDlg::ChangeServiceAndDisconnect(const std::function<void()>& change) {
    g_pServer->Connect(g_szServerName.c_str(), g_szLogin.c_str(), g_szPassword.c_str());
    change();
    UpdateServiceStatus();
    DisconnectFromServer();
}
