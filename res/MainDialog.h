#pragma once
#include "ui/DialogTemplate.h"

namespace res {

// Template 102, the main dialog.
const ui::DialogTemplate& MainDialogTemplate();

}  // namespace res
