// The captions whose text the raster and GDI are compared on, and what GDI made of each:
// a caption drawn black on white with DrawText (single line, access keys underlined) at (3, 4)
// of a 200 x 40 surface, in the stand-in for 宋体 at two sizes, regular and bold (which the
// face has not: GDI makes it from the regular outlines).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wendral::text_test {

inline constexpr int kSurfaceWidth = 200, kSurfaceHeight = 40, kLeft = 3, kTop = 4;

struct TextCase {
  int height;  // LOGFONT height: negative is the em in pixels
  int weight;
  std::u16string caption;
};

inline std::vector<TextCase> Corpus() {
  const std::u16string captions[] = {
      u"OK", u"Apply", u"ii", u"W", u"TP-LINK_75BCRT", u"[SSID] = 0099",
      u"\u786e\u8ba4\u4fee\u6539",                       // 确认修改
      u"\u6211\u7684\u7f51\u7edc My Network",             // 我的网络 My Network
      u"Wi-Fi \u7f51\u7edc 75BCRT",                        // Wi-Fi 网络 75BCRT
      u"&Save && E&xit", u"&\u786e\u5b9a", u"\u53d6\u6d88(&C)",  // 确定, 取消(&C)
  };
  std::vector<TextCase> cases;
  for (int weight : {400, 700})
    for (int height : {-12, -15})
      for (const std::u16string& caption : captions) cases.push_back({height, weight, caption});
  return cases;
}

// GDI's result for one case: the text extent (GetTextExtentPoint32), the box of the pixels the
// drawing changed (right and bottom exclusive), and each pixel's coverage in that box (255 -
// the grey level, two hex digits a pixel, rows one after another).
struct GdiText {
  int cx, cy;
  int left, top, right, bottom;
  const char* coverage;
};

}  // namespace wendral::text_test
