// Shared set-up for the QuilletButton suites: a headless form with one hosted button.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "button/quillet_button.h"
#include "button/style_dispatch.h"
#include "headless/headless_host.h"
#include "raster/memory_picture.h"

namespace quillet::testing {

using Strings = std::vector<std::string>;

// What the program's forms hold for their button: lower-case keys.
inline PersistedPropertySet ProgramFormSet(std::u16string caption = u"\u786e\u8ba4\u4fee\u6539") {
  PersistedPropertySet set;
  set.Put("buttonstyle", std::int32_t{2});
  set.Put("font", std::make_shared<Font>(FontDescription{u"\u5b8b\u4f53", -15, 700, false, false, false, 134}));
  set.Put("backcolor", std::int32_t{0x00E7EBEC});
  set.Put("caption", std::move(caption));
  return set;
}

inline PicturePtr MakePicture(PictureType type = PictureType::Bitmap, std::int32_t w = 16, std::int32_t h = 16,
                              std::uint32_t colour = 0x00336699) {
  PictureImage image;
  image.width = w;
  image.height = h;
  image.pixels.assign(static_cast<std::size_t>(w * h), colour);
  if (type == PictureType::Icon) image.mask.assign(static_cast<std::size_t>(w * h), 0);
  return std::make_shared<MemoryPicture>(type, image);
}

// Takes every style renderer out for the life of a test, so the counts of redraws and
// regions are the control's own, whatever the looks do while drawing.
class WithoutRenderers {
 public:
  WithoutRenderers() {
    for (std::int32_t s = 0; s < kButtonStyleCount; ++s) saved_[s] = ReplaceRendererForStyle(s, nullptr);
  }
  ~WithoutRenderers() {
    for (std::int32_t s = 0; s < kButtonStyleCount; ++s) ReplaceRendererForStyle(s, saved_[s]);
  }

 private:
  StyleRenderer saved_[kButtonStyleCount] = {};
};

class ButtonTest : public ::testing::Test {
 protected:
  WithoutRenderers without_renderers;
  HeadlessForm form;
  HeadlessHost host{form};
  QuilletButton& button = host.Create();

  Color Face() { return host.Raster().SysColor(15); }
  Color Text() { return host.Raster().SysColor(18); }

  // The program's button loaded at run time (hover tracking on), records cleared.
  void LoadAtRunTime(PersistedPropertySet set = ProgramFormSet()) {
    host.Load(set);
    host.ClearRecords();
  }
  // The same in the designer (no hooks).
  void LoadInDesigner(PersistedPropertySet set = ProgramFormSet()) {
    host.SetAmbient("UserMode", false);
    host.Load(set);
    host.ClearRecords();
  }
  Strings Events() const { return host.EventNames(); }
  // Journal lines of the kinds the state-machine tests look at: redraws (Cls), events
  // (without their arguments), change notifications.
  Strings Trace() const {
    Strings out;
    for (const std::string& line : host.journal) {
      if (line.rfind("Event ", 0) == 0) {
        out.push_back(line.substr(0, line.find('(')));
      } else if (line == "Cls" || line.rfind("Changed ", 0) == 0) {
        out.push_back(line);
      }
    }
    return out;
  }
};

}  // namespace quillet::testing
