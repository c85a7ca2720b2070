// --restart, restart and the devices status names: only present USB devices on a slot that
// holds the name are restarted, each outcome is told and sets the status; the write stands.
#include "cli_fixture.h"

namespace wendral::test {
namespace {

using cli::RestartOutcome;

class StickRestartTest : public CliTest {
 protected:
  void SetUp() override {
    Clear();
    Put(ControlSet001ClassPath, "0042", "stick");
    Put(CurrentControlSetClassPath, "0001", "wired");
  }
  void Clear() {
    for (int n = 0; n <= 99; ++n) {
      for (std::string_view classPath : {ControlSet001ClassPath, CurrentControlSetClassPath}) {
        adapters.DeleteRegistryValue(kHklm, std::string(classPath) + SlotSuffix(n), "SSID");
      }
    }
  }
  std::string Ssid(std::string_view classPath, const char* slot) {
    return adapters.QueryValue(kHklm, std::string(classPath) + slot, "SSID").ToText();
  }
};

const std::string kStickId = "USB\\VID_0BDA&PID_8179\\STICK";
const std::string kSecondId = "USB\\VID_0BDA&PID_8176\\SECOND";
const std::string kStick = "\"USB 随身WIFI\"(" + kStickId + ")";
const std::string kReplug = "请重新拨插这个随身WIFI,让新名称生效。\n";

TEST_F(StickRestartTest, OnlyPresentUsbDevicesOfWrittenSlotsAreRestartedAndEachOutcomeIsTold) {
  devices.listed = {
      {kStickId, "USB 随身WIFI", "{4D36E972-E325-11CE-BFC1-08002BE10318}\\0042", true},
      {"PCI\\VEN_8086&DEV_100E\\WIRED", "有线网卡", "{4d36e972-e325-11ce-bfc1-08002be10318}\\0001", true},
      {"USB\\VID_148F&PID_5370\\UNPLUGGED", "拔掉的网卡", "{4d36e972-e325-11ce-bfc1-08002be10318}\\0043", false},
      {"USB\\VID_1234&PID_0001\\OTHERCLASS", "别的类", "{4d36e968-e325-11ce-bfc1-08002be10318}\\0042", true},
      {kSecondId, "第二个", "{4d36e972-e325-11ce-bfc1-08002be10318}\\0007", true},
  };
  struct Case {
    std::vector<std::string> args;
    cli::RestartResult answer;
    std::uint32_t listError;
    std::vector<std::string> restarted;
    int status;
    std::string out, err;  // how each stream ends
  };
  const std::vector<std::string> windows7 = {"set", "新名", "--mode", "windows7", "--restart"};
  const std::string written = "{4D36E972-E325-11CE-BFC1-08002bE10318}\\0042。\n";
  const std::vector<Case> cases = {
      {windows7, {RestartOutcome::Restarted, 0}, 0, {kStickId}, 0, "已重启设备 " + kStick + ",它会使用新名称。\n", ""},
      {windows7, {RestartOutcome::NeedsReboot, 0}, 0, {kStickId}, 5, written,
       "设备 " + kStick + " 要重新启动电脑才能重启。" + kReplug},
      {windows7, {RestartOutcome::Failed, 5}, 0, {kStickId}, 5, written,
       "(错误代码 5)。" + kReplug + "没有修改注册表的权限:请在\"以管理员身份运行\"的命令提示符中执行 wendral-cli。\n"},
      {windows7, {}, 1060, {}, 5, written,
       "无法列出网络设备(错误代码 1060),没有重启任何设备。请重新拨插随身WIFI,让新名称生效。\n"},
      {{"set", "新名", "--mode", "xp", "--slot", "0005", "--restart"}, {}, 0, {}, 0,
       "0005。\n没有找到使用这些位置、已接入的 USB 网络设备,没有重启任何设备。\n", ""},
      // Café mode writes every slot: still neither the wired card, nor an unplugged device,
      // nor one of another class.
      {{"set", "新名", "--mode", "cafe", "--restart"}, {RestartOutcome::Restarted, 0}, 0, {kStickId, kSecondId}, 0,
       "已重启设备 \"第二个\"(" + kSecondId + "),它会使用新名称。\n", ""},
      {{"set", "新名", "--mode", "cafe", "--restart", "--dry-run"}, {}, 0, {}, 0,
       "将重启设备 " + kStick + "\n将重启设备 \"第二个\"(" + kSecondId + ")\n(--dry-run:没有做任何修改)\n", ""},
      // On its own: the slots that hold "SSID" now.
      {{"restart"}, {RestartOutcome::Failed, 31}, 0, {kStickId}, 5, "", "(错误代码 31)。" + kReplug},
  };
  for (const Case& c : cases) {
    SetUp();
    const std::string registry = Everything();
    devices.answer = c.answer;
    devices.listError = c.listError;
    std::string label;
    for (const std::string& arg : c.args) label += arg + " ";
    EXPECT_EQ(Run(c.args), c.status) << label << output.err;
    EXPECT_EQ(devices.restarted, c.restarted) << label;
    EXPECT_TRUE(output.out.ends_with(c.out)) << label << "\n" << output.out;
    EXPECT_TRUE(output.err.ends_with(c.err)) << label << "\n" << output.err;
    // The write stands whatever the restart did; a dry run writes nothing.
    if (c.args.back() == "--dry-run" || c.args[0] == "restart") {
      EXPECT_EQ(Everything(), registry) << label;
    } else {
      const bool xp = c.args[3] == "xp";
      EXPECT_EQ(Ssid(xp ? CurrentControlSetClassPath : ControlSet001ClassPath, xp ? "0005" : "0042"),
                std::string("新名") + '\0')
          << label;
    }
  }

  // Nothing named, nothing to restart.
  Clear();
  EXPECT_EQ(Run({"restart"}), 4);
  EXPECT_EQ(output.err, "没有找到使用这些位置、已接入的 USB 网络设备,没有重启任何设备。\n");

  // status: each named slot's device, its bus and whether it is plugged in.
  Put(ControlSet001ClassPath, "0043", "unplugged");
  Put(ControlSet001ClassPath, "0042", "stick");
  Put(CurrentControlSetClassPath, "0001", "wired");
  EXPECT_EQ(Run({"status"}), 0);
  EXPECT_NE(output.out.find(
                "  0042  SSID = \"stick\"  设备: \"USB 随身WIFI\"(" + kStickId +
                ",USB,已接入)\n"
                "  0043  SSID = \"unplugged\"  设备: \"拔掉的网卡\"(USB\\VID_148F&PID_5370\\UNPLUGGED,USB,未接入)\n"),
            std::string::npos)
      << output.out;
  EXPECT_NE(
      output.out.find("  0001  SSID = \"wired\"  设备: \"有线网卡\"(PCI\\VEN_8086&DEV_100E\\WIRED,其他总线,已接入)\n"),
      std::string::npos)
      << output.out;
  devices.listError = 2;
  EXPECT_EQ(Run({"status"}), 0);
  EXPECT_EQ(output.err, "无法列出网络设备(错误代码 2),下面不显示各位置的设备。\n");
}

}  // namespace
}  // namespace wendral::test
