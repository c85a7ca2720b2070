#include "bench/drawing/button_redraw.h"

#include "raster/freetype_text.h"
#include "render_button.h"

namespace wendral_bench {

HostedButton::HostedButton(ButtonLook look) {
  quillet::render::RenderOptions o;
  o.style = 2;
  o.width = 169;
  o.height = 33;
  o.caption = u"\u786e\u8ba4\u4fee\u6539";  // 确认修改
  o.look = look == ButtonLook::Hot ? quillet::render::Look::Hot
           : look == ButtonLook::Pressed ? quillet::render::Look::Pressed
                                         : quillet::render::Look::Normal;
  o.focus = look == ButtonLook::Focused;
  host = std::make_unique<quillet::HeadlessHost>(form, quillet::render::PlacementFor(o));
  if (auto text = quillet::FreeTypeTextEngine::Create()) host->Raster().SetTextEngine(text);
  quillet::render::DriveButton(*host, o, {});
  button = &host->Control();
}

void Redraw(HostedButton& b) { b.button->Redraw(); }

}  // namespace wendral_bench
