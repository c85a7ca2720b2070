// The one place that turns the messages of a button's own window into the control's input,
// focus and capture handlers: the real window class (src/win32) and the headless host both
// route through it, so the headless suites test the routing the program runs.
#pragma once

#include <cstdint>

#include "button/control_host.h"

namespace quillet {

class QuilletButton;

// Routes one message of the control's window. Answers true when the message is done, false
// when the window's default handling must run as well: key and right-button releases go on
// to it as with the system's button, so the parent still gets WM_CONTEXTMENU and Alt keys
// still reach the system menu. Messages the router does not know answer false.
bool RouteButtonMessage(QuilletButton& button, std::uint32_t msg, WParam wparam, LParam lparam);

}  // namespace quillet
