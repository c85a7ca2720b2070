// A style-2 button of the program's size and caption on the headless host, with FreeType
// text, brought into one of its looks; the benchmarks time its redraw.
#pragma once

#include <memory>

#include "headless/headless_form.h"
#include "headless/headless_host.h"

namespace wendral_bench {

enum class ButtonLook { Normal, Hot, Pressed, Focused };

struct HostedButton {
  explicit HostedButton(ButtonLook look);
  quillet::HeadlessForm form;
  std::unique_ptr<quillet::HeadlessHost> host;
  quillet::QuilletButton* button = nullptr;
};

// One full redraw, as every state change of the button makes.
void Redraw(HostedButton& b);

}  // namespace wendral_bench
