#pragma once
// Every text the user reads, kept together so the wording stays consistent.
#include <string>
#include <string_view>

namespace wendral::texts {

inline constexpr std::string_view kBoxTitle = "提示";
inline constexpr std::string_view kFirstRun = "检测到你是第一次运行本程序,需要进行初次化操作!";
inline constexpr std::string_view kChangeSucceeded = "恭喜,修改360随身WIFI(SSID)网络名称成功!";

inline constexpr std::string_view kMainCaption = "Wendralv1.5.0";
inline constexpr std::string_view kApplyCaption = "确认修改";
inline constexpr std::string_view kWindows7 = "Windows7";
inline constexpr std::string_view kWindowsXp = "Windows XP";
inline constexpr std::string_view kCafeMode = "网吧模式";
inline constexpr std::string_view kFeedbackLabel = "反馈或建议";
inline constexpr std::string_view kInitialNetworkName = "TP-LINK_75BCRT";
inline constexpr std::string_view kInitialSlot = "0000";
inline constexpr std::string_view kCredit = "Wendral 1.5.0  随身WIFI改名小工具";

inline constexpr std::string_view kNoticeCaption = " 第二步   此步骤非常重要";
inline constexpr std::string_view kNoticeText = "初次化完成,请重新拨插一次360随身WIFI,等待WIFI创建完毕!";
inline constexpr std::string_view kNextStep = "下一步";
inline constexpr std::string_view kSecondsSuffix = " 秒";

// Refusals: nothing was written.
std::string NameTooLong(std::size_t ansiBytes);
inline constexpr std::string_view kNameUnrepresentable =
    "网络名称中有随身WIFI无法使用的字符(例如表情符号或生僻字),本次没有修改。\n"
    "请只使用中文、英文字母、数字和常用符号。";
inline constexpr std::string_view kSlotUnknown =
    "还没有找到随身WIFI在注册表中的位置,本次没有修改。\n"
    "请插好随身WIFI,再点一次\"Windows7\"或\"Windows XP\"进行查找,或者改用网吧模式。";

// Failed registry writes.
std::string WriteFailed(int status);
std::string CafeWritesFailed(int failed, int total, bool accessDenied);
inline constexpr std::string_view kRunAsAdministrator =
    "没有修改注册表的权限:请右键点击本程序,选择\"以管理员身份运行\"后再试。";

inline constexpr std::string_view kSettingsNotSaved =
    "设置没有保存成功:本程序所在文件夹中的360RI.INI无法写入。\n"
    "下次启动时本程序会当作第一次运行,清除随身WIFI的网络名称。\n"
    "请把本程序放到可以写入的文件夹中运行。";

}  // namespace wendral::texts
