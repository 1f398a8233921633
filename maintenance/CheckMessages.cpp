#include "maintenance/CheckMessages.h"

#include "app/Globals.h"
#include "ui/UiThread.h"

namespace {
constexpr std::size_t kPrefixLength = 47;
}

std::vector<std::u16string> SplitCheckMessages(std::u16string_view text) {
    std::vector<std::u16string> lines;
    if (text.empty())
        return lines;
    std::size_t p = 0;
    do {
        p += kPrefixLength;
        std::u16string_view rest = p < text.size() ? text.substr(p) : std::u16string_view();
        const std::size_t k = rest.find(u'\n');
        const bool lineEnd = k != std::u16string_view::npos && k > 0;
        if (lineEnd)
            rest = rest.substr(0, k);
        lines.emplace_back(rest);
        p += rest.size() + (lineEnd ? 1 : 0);
    } while (p < text.size());
    return lines;
}

void LogCheckMessages(const std::optional<std::u16string>& text) {
    const std::vector<std::u16string> lines = SplitCheckMessages(text.value_or(u""));
    ui::RunOnUiThread([&lines] {
        for (const std::u16string& line : lines) {
            g_ctlActivityLog.InsertItem(g_ctlActivityLog.GetItemCount(), line);
        }
        const int nLast = g_ctlActivityLog.GetItemCount() - 1;
        g_ctlActivityLog.SetItemSelected(nLast, true);
        g_ctlActivityLog.EnsureVisible(nLast, false);
    });
}
