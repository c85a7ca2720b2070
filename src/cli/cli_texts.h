#pragma once
// What wendral-cli prints, kept together so the wording stays consistent with the window's.
#include <string>
#include <string_view>

namespace wendral::cli::texts {

std::string Help();
std::string Version();

inline constexpr std::string_view kUsageHint = "用 wendral-cli --help 查看用法。";
inline constexpr std::string_view kNoStick =
    "没有找到随身WIFI:所选控制集的位置 0001 到 0099 中都没有 \"SSID\" 值,本次没有修改。"
    "请插好随身WIFI后再试,用 --slot 指定位置,或者改用 --mode cafe。";
inline constexpr std::string_view kElevate =
    "没有修改注册表的权限:请在\"以管理员身份运行\"的命令提示符中执行 wendral-cli。";

}  // namespace wendral::cli::texts
