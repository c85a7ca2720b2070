#include "cli/cli_texts.h"

namespace wendral::cli::texts {

std::string Version() { return "Wendral " WENDRAL_VERSION "\n"; }

std::string Help() {
  return "wendral-cli " WENDRAL_VERSION
         ": 在命令行中修改随身WIFI的网络名称(SSID),适合批量部署。\n"
         "\n"
         "用法:\n"
         "  wendral-cli status\n"
         "      列出两个控制集中位置 0000 到 0099 的 \"SSID\" 值和使用各位置的设备,以及 360RI.INI 中的三项设置。\n"
         "  wendral-cli set 名称 --mode windows7|xp|cafe [--slot 位置] [--backup 文件.reg] [--restart] [--dry-run]\n"
         "      与在主窗口中选择该模式并点击\"确认修改\"的效果相同:\n"
         "        windows7  在 ControlSet001 中查找随身WIFI的位置并写入\n"
         "        xp        在 CurrentControlSet 中查找随身WIFI的位置并写入\n"
         "        cafe      网吧模式:写入两个控制集的全部 200 个位置\n"
         "      --slot    windows7/xp 模式:写入这个位置(0000 到 0099),不查找。\n"
         "      --backup  写入前把全部 \"SSID\" 值和 360RI.INI 备份到一个新文件(已有的文件不会被覆盖);\n"
         "                备份失败则不做任何修改。\n"
         "      --restart 写入成功后重启使用所写位置的 USB 网络设备(随身WIFI),不必重新拨插;\n"
         "                有线网卡等其他总线上的设备不会被重启。\n"
         "      --dry-run 只显示将要写入的内容,不做任何修改。\n"
         "      名称以 - 开头时,请在名称前加 --。\n"
         "  wendral-cli restore 文件.reg [--dry-run]\n"
         "      恢复备份的 \"SSID\" 值和 360RI.INI;只接受 wendral-cli 写出的完整备份。\n"
         "  wendral-cli restart [--dry-run]\n"
         "      重启使用带 \"SSID\" 值的位置、已接入的 USB 网络设备,让它读取现在的名称。\n"
         "  wendral-cli --help | --version\n"
         "\n"
         "退出状态:\n"
         "  0  全部写入成功\n"
         "  1  有写入失败(会说明几处中有几处)\n"
         "  2  用法错误或输入被拒绝,没有做任何修改\n"
         "  3  没有权限,没有做任何修改:请在\"以管理员身份运行\"的命令提示符中执行\n"
         "  4  没有找到随身WIFI,没有做任何修改\n"
         "  5  已经写入,但至少有一个随身WIFI无法重启:请重新拨插它\n";
}

}  // namespace wendral::cli::texts
