#pragma once
// Dialog templates as data: what the dialog framework builds a dialog from.
// Rectangles are in dialog units; the framework turns them into pixels with
// the template font's base units.
#include <cstdint>
#include <string_view>
#include <vector>

namespace ui {

enum class ControlKind {
    kPushButton,
    kDefPushButton,
    kCheckBox,  // automatic check box
    kGroupBox,
    kStatic,  // left-aligned text
    kIcon,    // static picture of an icon resource; caption holds nothing
    kEdit,
    kComboBox,  // drop-down with an edit field
    kListBox,
    kListView,        // report view
    kDateTimePicker,  // time format with up-down arrows
};

// Styles beyond the kind that change behaviour or look.
enum ControlStyle : std::uint32_t {
    kStyleNone = 0,
    kTabStop = 1u << 0,
    kSorted = 1u << 1,
    kVScroll = 1u << 2,
    kHScroll = 1u << 3,
    kAutoHScroll = 1u << 4,
    kBorder = 1u << 5,
    kReadOnly = 1u << 6,
    kNoColumnHeader = 1u << 7,
    kSingleSel = 1u << 8,
    kShowSelAlways = 1u << 9,
    kMultipleSel = 1u << 10,
    kExtendedSel = 1u << 11,
    kRightAlign = 1u << 12,
};

struct DialogRect {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    friend constexpr bool operator==(const DialogRect&, const DialogRect&) = default;
};

inline constexpr int kNoId = -1;

struct ControlTemplate {
    int id = kNoId;
    ControlKind kind = ControlKind::kStatic;
    std::u16string_view caption;
    DialogRect rect;
    std::uint32_t styles = kStyleNone;
    bool visible = true;
    bool enabled = true;
    // For a control without a caption: the name screen readers announce.
    std::u16string_view accessibleName;
    // For an icon control: the icon resource it shows.
    int iconId = 0;
};

enum DialogStyle : std::uint32_t {
    kDialogNone = 0,
    kCaption = 1u << 0,
    kSysMenu = 1u << 1,
    kModalFrame = 1u << 2,
    kAppWindow = 1u << 3,  // shown in the task bar
};

struct DialogTemplate {
    int id = 0;
    std::u16string_view title;
    int cx = 0;
    int cy = 0;
    std::u16string_view fontName;
    int pointSize = 8;
    std::uint32_t styles = kDialogNone;
    std::vector<ControlTemplate> controls;  // in tab order
};

}  // namespace ui
