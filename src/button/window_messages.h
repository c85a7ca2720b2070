// Window message numbers and their parameter bits, as Win32 defines them, for the code that
// routes messages to the control without including a Windows header (the message router,
// hover tracking, the headless windows).
#pragma once

#include <cstdint>

namespace quillet {

constexpr std::uint32_t kWmSize = 0x0005;
constexpr std::uint32_t kWmActivate = 0x0006;
constexpr std::uint32_t kWmSetFocus = 0x0007;
constexpr std::uint32_t kWmKillFocus = 0x0008;
constexpr std::uint32_t kWmPaint = 0x000F;
constexpr std::uint32_t kWmSysColorChange = 0x0015;
constexpr std::uint32_t kWmSettingChange = 0x001A;
constexpr std::uint32_t kWmCancelMode = 0x001F;
constexpr std::uint32_t kWmNcActivate = 0x0086;
constexpr std::uint32_t kWmKeyDown = 0x0100;
constexpr std::uint32_t kWmKeyUp = 0x0101;
constexpr std::uint32_t kWmSysKeyDown = 0x0104;
constexpr std::uint32_t kWmSysKeyUp = 0x0105;
constexpr std::uint32_t kWmMouseMove = 0x0200;
constexpr std::uint32_t kWmLButtonDown = 0x0201;
constexpr std::uint32_t kWmLButtonUp = 0x0202;
constexpr std::uint32_t kWmLButtonDblClk = 0x0203;
constexpr std::uint32_t kWmRButtonDown = 0x0204;
constexpr std::uint32_t kWmRButtonUp = 0x0205;
constexpr std::uint32_t kWmRButtonDblClk = 0x0206;
constexpr std::uint32_t kWmMButtonDown = 0x0207;
constexpr std::uint32_t kWmMButtonUp = 0x0208;
constexpr std::uint32_t kWmMButtonDblClk = 0x0209;
constexpr std::uint32_t kWmCaptureChanged = 0x0215;
constexpr std::uint32_t kWmMouseLeave = 0x02A3;
constexpr std::uint32_t kWmThemeChanged = 0x031A;

// MK_* key-state bits of mouse messages.
constexpr std::uintptr_t kMkLButton = 0x0001;
constexpr std::uintptr_t kMkRButton = 0x0002;
constexpr std::uintptr_t kMkShift = 0x0004;
constexpr std::uintptr_t kMkControl = 0x0008;
constexpr std::uintptr_t kMkMButton = 0x0010;

// Bit 30 of a key message's lParam: the key was down before (an auto-repeat).
constexpr std::intptr_t kKeyWasDown = std::intptr_t{1} << 30;

constexpr std::intptr_t MakeLParam(std::int32_t x, std::int32_t y) {
  return static_cast<std::intptr_t>((static_cast<std::uint32_t>(static_cast<std::uint16_t>(x))) |
                                    (static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16));
}
constexpr std::int16_t LoWordSigned(std::intptr_t l) { return static_cast<std::int16_t>(l & 0xFFFF); }
constexpr std::int16_t HiWordSigned(std::intptr_t l) { return static_cast<std::int16_t>((l >> 16) & 0xFFFF); }

}  // namespace quillet
