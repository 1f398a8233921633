#pragma once
// Identifiers and parameter types of the dialog framework, shaped like those the
// program was written against so that its code reads like its behaviour.
#include <cstdint>

namespace ui {

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Command and answer identifiers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Message box styles: one button set, one icon.
inline constexpr unsigned MB_OK = 0x0000;
inline constexpr unsigned MB_OKCANCEL = 0x0001;
inline constexpr unsigned MB_YESNO = 0x0004;
inline constexpr unsigned MB_ICONQUESTION = 0x0020;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x0030;
inline constexpr unsigned MB_BUTTONMASK = 0x000F;
inline constexpr unsigned MB_ICONMASK = 0x00F0;

// System commands of the window menu.
inline constexpr unsigned SC_CLOSE = 0xF060;

}  // namespace ui
