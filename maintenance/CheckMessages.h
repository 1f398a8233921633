#pragma once
// The integrity check's message text as activity-log lines.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Every line of the text starts with a fixed 47-character prefix, dropped here;
// lines are separated by a line feed, except one right after a prefix, which
// belongs to the rest of the text.
std::vector<std::u16string> SplitCheckMessages(std::u16string_view text);

// Adds the lines to the log as plain insertions, then selects the last line and
// scrolls it into view. Callable from any thread; done at once on the UI thread.
void LogCheckMessages(const std::optional<std::u16string>& text);
