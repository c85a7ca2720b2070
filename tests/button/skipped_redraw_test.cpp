// An input event that leaves every look input as it was draws nothing. This holds every
// such skip to the pixels a full redraw would have drawn, for each look, through a run of
// pointer, key, focus and activation events, as a check box and as a push button.
#include <functional>
#include <string>

#include "button_fixture.h"

namespace quillet::testing {
namespace {

TEST(SkippedRedraw, LeavesThePixelsAFullRedrawWouldDraw) {
  const std::vector<std::pair<std::string, std::function<void(HeadlessForm&, HeadlessHost&)>>> steps = {
      {"activate", [](HeadlessForm& f, HeadlessHost&) { f.Activate(); }},
      {"enter", [](HeadlessForm&, HeadlessHost& h) { h.MovePointerTo(10, 10); }},
      {"move over", [](HeadlessForm&, HeadlessHost& h) { h.MovePointerTo(57, 20); }},
      {"press", [](HeadlessForm&, HeadlessHost& h) { h.PressButton(); }},
      {"move pressed", [](HeadlessForm&, HeadlessHost& h) { h.MovePointerTo(3, 3); }},
      {"release", [](HeadlessForm&, HeadlessHost& h) { h.ReleaseButton(); }},
      {"double click", [](HeadlessForm&, HeadlessHost& h) { h.DoubleClick(); }},
      {"move after", [](HeadlessForm&, HeadlessHost& h) { h.MovePointerTo(4, 3); }},
      {"space down", [](HeadlessForm&, HeadlessHost& h) { h.KeyDown(kVkSpace); }},
      {"space up", [](HeadlessForm&, HeadlessHost& h) { h.KeyUp(kVkSpace); }},
      {"default", [](HeadlessForm&, HeadlessHost& h) { h.ChangeAmbient("DisplayAsDefault", true); }},
      {"focus lost", [](HeadlessForm&, HeadlessHost& h) { h.Control().HandleFocusLost(); }},
      {"reactivate", [](HeadlessForm& f, HeadlessHost&) { f.Deactivate(); f.Activate(); }},
      {"leave", [](HeadlessForm&, HeadlessHost& h) { h.MovePointerAway(); }},
  };
  for (std::int32_t style = 0; style < kButtonStyleCount; ++style) {
    for (bool check_box : {false, true}) {
      HeadlessForm form;
      HeadlessHost host{form};
      QuilletButton& button = host.Create();
      host.Load(ProgramFormSet());
      button.ButtonStyle(static_cast<ButtonStyle>(style));
      button.CheckBoxMode(check_box);
      button.ShowFocusRect(true);
      button.Redraw();  // a style that takes the form's colour as it draws has taken it now
      for (const auto& [name, step] : steps) {
        step(form, host);
        // In a check box the key toggles the value and leaves the drawing to its release.
        if (check_box && name == "space down") continue;
        const std::vector<std::uint32_t> shown = host.Raster().Pixels();
        button.Redraw();
        EXPECT_EQ(shown, host.Raster().Pixels())
            << "style " << style << (check_box ? ", check box" : "") << ", after " << name;
      }
    }
  }
}

}  // namespace
}  // namespace quillet::testing
