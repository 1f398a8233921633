#include "dmo/ErrorInfo.h"

namespace dmo {
namespace {
thread_local std::optional<std::u16string> t_description;
}

void SetErrorInfo(std::u16string description) {
    t_description = std::move(description);
}

void ClearErrorInfo() {
    t_description.reset();
}

std::optional<std::u16string> TakeErrorInfo() {
    std::optional<std::u16string> taken = std::move(t_description);
    t_description.reset();
    return taken;
}

}  // namespace dmo
