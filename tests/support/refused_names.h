// Network names the stick cannot broadcast, refused before anything is written, whichever
// way they arrive (the main window, the command line, real typing), with a piece of what the
// refusal must say. Names are UTF-8.
#pragma once

#include <string>
#include <vector>

namespace wendral::test {

struct RefusedName {
  std::string name;
  std::string says;
};

inline const std::vector<RefusedName>& RefusedNames() {
  static const std::vector<RefusedName> names = {
      {std::string(33, 'a'), "现在是33个字节"},                  // one byte past the limit
      {"一二三四五六七八九十一二三四五六七", "现在是34个字节"},  // 17 characters, 34 bytes in code page 936
      {"Wi\xF0\x9F\x98\x80" "Fi", "无法使用的字符"},            // an emoji inside
      {"WiFi \xF0\x9F\x98\x80", "无法使用的字符"},              // an emoji at the end
      {"와이파이", "无法使用的字符"},                            // Hangul has no GBK form
  };
  return names;
}

}  // namespace wendral::test
