#pragma once
#include "ui/DialogTemplate.h"

namespace res {

// Template 100, the About box.
const ui::DialogTemplate& AboutDialogTemplate();

}  // namespace res
