#include "app/ActivityLog.h"

#include <charconv>
#include <cstring>

#include "app/CzolmgrDlg.h"
#include "app/Globals.h"
#include "res/resource.h"
#include "ui/App.h"
#include "ui/UiThread.h"

namespace {

// The log line of OnUpdateText: 255 characters with the terminator.
platform::FixedText<255> g_szLogLine;
constexpr std::size_t kLogLineLimit = 254;

constexpr const char16_t* kPrefixes[] = {
    u"Backup Percent:  ",  u"Backup NextVolume:  ",  u"Backup Complete:  ",
    u"Restore Percent:  ", u"Restore NextVolume:  ", u"Restore Complete:  ",
};

bool IsTextCode(ui::WPARAM code) {
    return code == kBackupNextVolume || code == kBackupComplete || code == kRestoreNextVolume ||
           code == kRestoreComplete;
}

void ReleaseText(ui::LPARAM lParam) {
    delete[] reinterpret_cast<char16_t*>(lParam);
}

}  // namespace

void AppendLogLine(const char16_t* pszLine) {
    ui::RunOnUiThread([pszLine] {
        const int nCount = g_ctlActivityLog.GetItemCount();
        g_ctlActivityLog.InsertItem(nCount, pszLine != nullptr ? pszLine : u"");
        g_ctlActivityLog.SetItemSelected(g_ctlActivityLog.GetItemCount() - 1, true);
        g_ctlActivityLog.EnsureVisible(g_ctlActivityLog.GetItemCount() - 1, false);
    });
}

ui::LRESULT CzolmgrDlg::OnUpdateText(ui::WPARAM wParam, ui::LPARAM lParam) {
    if (wParam >= std::size(kPrefixes))
        return 1;
    g_szLogLine.Assign(kPrefixes[wParam], kLogLineLimit);
    if (IsTextCode(wParam)) {
        const auto* text = reinterpret_cast<const char16_t*>(lParam);
        if (text != nullptr)
            g_szLogLine.Append(text, kLogLineLimit);
    } else {
        // "%ld" of a signed 32-bit value, without an allocation.
        char digits[16];
        const auto end =
            std::to_chars(digits, digits + sizeof digits, static_cast<std::int32_t>(lParam)).ptr;
        char16_t wide[16];
        std::size_t length = 0;
        for (const char* c = digits; c != end; ++c)
            wide[length++] = static_cast<char16_t>(*c);
        g_szLogLine.Append(std::u16string_view(wide, length), kLogLineLimit);
    }
    AppendLogLine(g_szLogLine.c_str());
    g_ctlActivityLog.Invalidate();
    UpdateWindow();
    return 1;
}

void PostUpdateText(UpdateTextCode code, std::u16string_view text) {
    // A sink never waits: once the program ends, its events go nowhere.
    ui::UiCall call(ui::UiCall::Mode::kDrop);
    if (!call)
        return;
    ui::Dialog* main = ui::MainWindow();  // it stays while the call is held
    if (main == nullptr)
        return;
    auto* copy = new char16_t[text.size() + 1];
    std::copy(text.begin(), text.end(), copy);
    copy[text.size()] = u'\0';
    main->PostMessage(g_uUpdateTextMsg, code, reinterpret_cast<ui::LPARAM>(copy), &ReleaseText);
}

void PostUpdatePercent(UpdateTextCode code, int percent) {
    ui::UiCall call(ui::UiCall::Mode::kDrop);
    if (!call)
        return;
    if (ui::Dialog* main = ui::MainWindow()) {
        main->PostMessage(g_uUpdateTextMsg, code, percent);
    }
}
