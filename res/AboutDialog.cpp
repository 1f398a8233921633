#include "res/AboutDialog.h"

#include "res/resource.h"
#include "ui/Types.h"

namespace res {

using namespace ui;

const DialogTemplate& AboutDialogTemplate() {
    // clang-format off
    static const DialogTemplate dialog{
        IDD_ABOUTBOX,
        u"About zolmgr",
        235,
        55,
        u"MS Shell Dlg",
        8,
        kCaption | kSysMenu | kModalFrame,
        {
            {kNoId, ControlKind::kIcon, u"", {11, 17, 20, 20}, kStyleNone, true, true,
             u"zolmgr", IDR_MAINFRAME},
            {kNoId, ControlKind::kStatic, u"zolmgr Version 1.0", {40, 10, 119, 8}},
            {kNoId, ControlKind::kStatic, u"Database care tool", {40, 25, 119, 8}},
            {IDOK, ControlKind::kDefPushButton, u"OK", {178, 7, 50, 16}, kTabStop},
        }};
    // clang-format on
    return dialog;
}

}  // namespace res
