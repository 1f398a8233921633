#include "res/Resources.h"

#include "res/AboutDialog.h"
#include "res/Icon.h"
#include "res/MainDialog.h"
#include "res/resource.h"
#include "ui/Resources.h"

namespace res {

void Install() {
    ui::RegisterDialogTemplate(&MainDialogTemplate());
    ui::RegisterDialogTemplate(&AboutDialogTemplate());
    ui::RegisterString(IDS_ABOUTBOX, u"&About zolmgr...");
    ui::RegisterIcon(IDR_MAINFRAME, &MainIcon);
}

}  // namespace res
