// --restart, restart and the devices status names: which devices are restarted (only present
// USB ones on a slot that holds the new name), what each outcome prints and the status it
// ends with; the write always stands.
#include "cli/stick_restart.h"
#include "cli_fixture.h"

namespace wendral::test {
namespace {

using cli::NetworkDevice;
using cli::RestartOutcome;

class StickRestartTest : public CliTest {
 protected:
  void SetUp() override {
    devices.listed = {
        {"USB\\VID_0BDA&PID_8179\\STICK", "USB 随身WIFI", "{4D36E972-E325-11CE-BFC1-08002BE10318}\\0042", true},
        {"PCI\\VEN_8086&DEV_100E\\WIRED", "有线网卡", "{4d36e972-e325-11ce-bfc1-08002be10318}\\0001", true},
        {"USB\\VID_148F&PID_5370\\UNPLUGGED", "拔掉的网卡", "{4d36e972-e325-11ce-bfc1-08002be10318}\\0043", false},
        {"USB\\VID_1234&PID_0001\\OTHERCLASS", "别的类", "{4d36e968-e325-11ce-bfc1-08002be10318}\\0042", true},
        {"USB\\VID_0BDA&PID_8176\\SECOND", "第二个", "{4d36e972-e325-11ce-bfc1-08002be10318}\\0007", true},
    };
    Put(ControlSet001ClassPath, "0042", "stick");
    Put(CurrentControlSetClassPath, "0001", "wired");
  }
  void ClearSsids() {
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

const std::string kStick = "\"USB 随身WIFI\"(USB\\VID_0BDA&PID_8179\\STICK)";
const std::string kSecond = "\"第二个\"(USB\\VID_0BDA&PID_8176\\SECOND)";
const std::string kReplug = "请重新拨插这个随身WIFI,让新名称生效。\n";

TEST_F(StickRestartTest, OnlyPresentUsbDevicesOfWrittenSlotsAreRestartedAndEachOutcomeIsTold) {
  struct Case {
    std::vector<std::string> args;
    cli::RestartResult answer;
    std::uint32_t listError;
    std::vector<std::string> restarted;
    int status;
    std::string out, err;  // tails of each stream
  };
  const std::string written = "写入 HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Control\\Class\\"
                              "{4D36E972-E325-11CE-BFC1-08002bE10318}\\0042。\n";
  const std::vector<std::string> windows7 = {"set", "新名", "--mode", "windows7", "--restart"};
  const std::string stick = "USB\\VID_0BDA&PID_8179\\STICK";
  const std::vector<Case> cases = {
      {windows7, {RestartOutcome::Restarted, 0}, 0, {stick}, 0, written + "已重启设备 " + kStick + ",它会使用新名称。\n", ""},
      {windows7, {RestartOutcome::NeedsReboot, 0}, 0, {stick}, 5, written,
       "设备 " + kStick + " 要重新启动电脑才能重启。" + kReplug},
      {windows7, {RestartOutcome::Failed, 5}, 0, {stick}, 5, written,
       "无法重启设备 " + kStick + "(错误代码 5)。" + kReplug +
           "没有修改注册表的权限:请在\"以管理员身份运行\"的命令提示符中执行 wendral-cli。\n"},
      {windows7, {RestartOutcome::Failed, 0xE000020E}, 0, {stick}, 5, written,
       "(错误代码 0xE000020E)。" + kReplug},
      {windows7, {}, 1060, {}, 5, written, "无法列出网络设备(错误代码 1060),没有重启任何设备。请重新拨插随身WIFI,让新名称生效。\n"},
      {{"set", "新名", "--mode", "xp", "--slot", "0005", "--restart"}, {}, 0, {}, 0,
       "0005。\n没有找到使用这些位置、已接入的 USB 网络设备,没有重启任何设备。\n", ""},
      // Café mode writes every slot: still neither the wired card, nor an unplugged device,
      // nor one of another class.
      {{"set", "新名", "--mode", "cafe", "--restart"}, {RestartOutcome::Restarted, 0}, 0,
       {stick, "USB\\VID_0BDA&PID_8176\\SECOND"}, 0, "已重启设备 " + kSecond + ",它会使用新名称。\n", ""},
      {{"set", "新名", "--mode", "cafe", "--restart"}, {RestartOutcome::NeedsReboot, 0}, 0,
       {stick, "USB\\VID_0BDA&PID_8176\\SECOND"}, 5, "", "设备 " + kSecond + " 要重新启动电脑才能重启。" + kReplug},
      // On its own: the slots that hold "SSID" now.
      {{"restart"}, {RestartOutcome::Restarted, 0}, 0, {stick}, 0, "已重启设备 " + kStick + ",它会使用新名称。\n", ""},
      {{"restart"}, {RestartOutcome::Failed, 31}, 0, {stick}, 5, "", "(错误代码 31)。" + kReplug},
      {{"restart", "--dry-run"}, {}, 0, {}, 0, "将重启设备 " + kStick + "\n", ""},
  };
  for (const Case& c : cases) {
    ClearSsids();
    SetUp();
    devices.answer = c.answer;
    devices.listError = c.listError;
    const std::string label = c.args[0] + " " + c.args.back() + " " + std::to_string(c.status);
    EXPECT_EQ(Run(c.args), c.status) << label << output.err;
    EXPECT_EQ(devices.restarted, c.restarted) << label;
    EXPECT_TRUE(output.out.size() >= c.out.size() && output.out.ends_with(c.out)) << label << "\n" << output.out;
    EXPECT_TRUE(output.err.ends_with(c.err)) << label << "\n" << output.err;
    // The write stands whatever the restart did.
    if (c.args[0] == "set") {
      const bool xp = c.args[3] == "xp";
      EXPECT_EQ(Ssid(xp ? CurrentControlSetClassPath : ControlSet001ClassPath, xp ? "0005" : "0042"),
                std::string("新名") + '\0')
          << label;
    }
  }
}

TEST_F(StickRestartTest, DryRunRestartsNothingAndNoRestartWithoutACompleteWrite) {
  const std::string registry = Everything();
  EXPECT_EQ(Run({"set", "新名", "--mode", "cafe", "--restart", "--dry-run"}), 0);
  EXPECT_NE(output.out.find("将重启设备 " + kStick + "\n将重启设备 " + kSecond + "\n(--dry-run:没有做任何修改)\n"),
            std::string::npos)
      << output.out;
  EXPECT_EQ(Everything(), registry);
  EXPECT_TRUE(devices.restarted.empty());

  // No stick and no slot: nothing written, nothing restarted; likewise nothing to restart.
  ClearSsids();
  EXPECT_EQ(Run({"set", "新名", "--mode", "windows7", "--restart"}), 4);
  EXPECT_EQ(Run({"restart"}), 4);
  EXPECT_EQ(output.err, "没有找到使用这些位置、已接入的 USB 网络设备,没有重启任何设备。\n");
  EXPECT_TRUE(devices.restarted.empty());
}

TEST_F(StickRestartTest, StatusNamesTheDeviceOfEachSlotItsBusAndWhetherItIsPresent) {
  Put(ControlSet001ClassPath, "0043", "unplugged");
  EXPECT_EQ(Run({"status"}), 0);
  for (const std::string line : {
           "  0042  SSID = \"stick\"  设备: \"USB 随身WIFI\"(USB\\VID_0BDA&PID_8179\\STICK,USB,已接入)\n",
           "  0043  SSID = \"unplugged\"  设备: \"拔掉的网卡\"(USB\\VID_148F&PID_5370\\UNPLUGGED,USB,未接入)\n",
           "  0001  SSID = \"wired\"  设备: \"有线网卡\"(PCI\\VEN_8086&DEV_100E\\WIRED,其他总线,已接入)\n"}) {
    EXPECT_NE(output.out.find(line), std::string::npos) << line << output.out;
  }
  devices.listError = 2;
  EXPECT_EQ(Run({"status"}), 0);
  EXPECT_EQ(output.err, "无法列出网络设备(错误代码 2),下面不显示各位置的设备。\n");
  EXPECT_NE(output.out.find("  0042  SSID = \"stick\"\n"), std::string::npos);
}

TEST(DriverKeySlot, TakesOnlyTheNetworkClassAndTheHundredSlots) {
  EXPECT_EQ(cli::DriverKeySlot("{4D36E972-E325-11ce-bfc1-08002BE10318}\\0099"), "0099");
  EXPECT_EQ(cli::DriverKeySlot("{4d36e972-e325-11ce-bfc1-08002be10318}\\0100"), "");
  EXPECT_EQ(cli::DriverKeySlot("{4d36e972-e325-11ce-bfc1-08002be10318}\\00420"), "");
  EXPECT_EQ(cli::DriverKeySlot("{4d36e972-e325-11ce-bfc1-08002be10318}0042"), "");
  EXPECT_FALSE(cli::OnUsb({"USBSTOR\\DISK\\1", "", "", true}));
  EXPECT_TRUE(cli::OnUsb({"usb\\VID_1&PID_2\\3", "", "", true}));
}

}  // namespace
}  // namespace wendral::test
