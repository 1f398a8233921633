#pragma once
// Per-thread error information: a failing request leaves the description of its
// failure on the calling thread, where the caller may pick it up once.
#include <optional>
#include <string>

namespace dmo {

void SetErrorInfo(std::u16string description);
void ClearErrorInfo();
// The description left by the last failure on this thread, if any; taking it
// clears it, so a later report never shows a stale description.
std::optional<std::u16string> TakeErrorInfo();

// Records the description and hands the status back, for `return Fail(...)`.
template <class Status>
Status Fail(Status status, std::u16string description) {
    SetErrorInfo(std::move(description));
    return status;
}

}  // namespace dmo
