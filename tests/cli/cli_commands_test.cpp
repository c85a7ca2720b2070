// wendral-cli's commands: what each prints and returns, what reaches the registry and the
// settings file, and what a refusal, a failed backup or a denied write leaves untouched.
#include <map>

#include "app/adapter_registry.h"
#include "app/ansi_text.h"
#include "cli/slot_values.h"
#include "cli_fixture.h"
#include "support/refused_names.h"

namespace wendral::test {
namespace {

const std::string k001 = "HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}";
const std::string kCurrent =
    "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}";
const std::string kSettings = "[SSID]\r\nSSID=old\r\nSSIDITEMO=0003\r\nSSIDITEMT=0005\r\n";

TEST_F(CliTest, StatusListsTheStoredNamesOfBothControlSetsAndTheSettings) {
  ASSERT_EQ(adapters.EnsureRegistryKey(kHklm, std::string(ControlSet001ClassPath) + "0000"), 0);
  ASSERT_EQ(adapters.WriteRegistryValue(kHklm, std::string(ControlSet001ClassPath) + "0000", "SSID", 42, reg::kDword), 0);
  Put(ControlSet001ClassPath, "0007", "奶茶店");
  Put(ControlSet001ClassPath, "0099", "last\tslot\r\"");
  ASSERT_EQ(adapters.EnsureRegistryKey(kHklm, std::string(CurrentControlSetClassPath) + "0001"), 0);

  EXPECT_EQ(Run({"status"}), 0);
  const std::string slots = "[Windows7] " + k001 +
                            "\n"
                            "  0000  SSID = 42 (REG_DWORD)\n"
                            "  0007  SSID = \"奶茶店\"\n"
                            "  0099  SSID = \"last\\tslot\\r\\\"\"\n"
                            "[Windows XP] " +
                            kCurrent + "\n  (没有 \"SSID\" 值)\n[360RI.INI] " + settingsPath + "\n";
  EXPECT_EQ(output.out, slots + "  (还没有设置文件)\n");
  EXPECT_EQ(output.err, "");

  WriteBytes(settingsPath, "[SSID]\r\nSSID=\xC4\xCC\xB2\xE8\r\nSSIDITEMO=0007\r\n");
  EXPECT_EQ(Run({"status"}), 0);
  EXPECT_EQ(output.out, slots + "  SSID=\"奶茶\"\n  SSIDITEMO=\"0007\"\n  SSIDITEMT=\"\"\n");
}

TEST_F(CliTest, SetWorksLikeTheWindowsApplyInEachMode) {
  WriteBytes(settingsPath, kSettings);
  Put(ControlSet001ClassPath, "0000", "slot zero is not searched");
  Put(ControlSet001ClassPath, "0042", "stick");
  EXPECT_EQ(Run({"set", "新名字-5G", "--mode", "windows7"}), 0);
  EXPECT_EQ(output.out, "已把网络名称 \"新名字-5G\" 写入 " + k001 + "\\0042。请重新拨插随身WIFI,让新名称生效。\n");
  EXPECT_EQ(adapters.QueryValue(kHklm, std::string(ControlSet001ClassPath) + "0042", "SSID").ToText(),
            std::string("新名字-5G") + '\0');
  EXPECT_EQ(Settings(), "[SSID]\r\nSSID=\xD0\xC2\xC3\xFB\xD7\xD6-5G\r\nSSIDITEMO=0042\r\nSSIDITEMT=0005\r\n");

  // No stick below CurrentControlSet: the stored slot may be the wired card's by now, so
  // only a slot the user names is written.
  EXPECT_EQ(Run({"--mode=xp", "set", "XP"}), 4);
  EXPECT_EQ(Everything().find("XP"), std::string::npos);
  EXPECT_EQ(Run({"--mode=xp", "set", "XP", "--slot", "0005"}), 0);
  EXPECT_EQ(adapters.QueryValue(kHklm, std::string(CurrentControlSetClassPath) + "0005", "SSID").ToText(),
            std::string("XP") + '\0');
  EXPECT_EQ(Settings(), "[SSID]\r\nSSID=XP\r\nSSIDITEMO=0042\r\nSSIDITEMT=0005\r\n");

  // Before the window ever saved: its initial slots, and an empty name is a name.
  std::filesystem::remove(Utf8Path(settingsPath));
  EXPECT_EQ(Run({"set", "", "--mode", "cafe"}), 0);
  EXPECT_EQ(output.out, "已把网络名称 \"\" 写入 200 处位置。请重新拨插随身WIFI,让新名称生效。\n");
  for (const char* slot : {"0000", "0042", "0099"}) {
    for (std::string_view classPath : {ControlSet001ClassPath, CurrentControlSetClassPath}) {
      EXPECT_EQ(adapters.QueryValue(kHklm, std::string(classPath) + slot, "SSID").ToText(), std::string(1, '\0'));
    }
  }
  EXPECT_EQ(Settings(), "[SSID]\r\nSSID=\r\nSSIDITEMO=0000\r\nSSIDITEMT=0000\r\n");
}

TEST_F(CliTest, RefusalsAndUsageErrorsExitWithTwoAndChangeNothing) {
  WriteBytes(settingsPath, "[SSID]\r\nSSID=old\r\nSSIDITEMO=\r\nSSIDITEMT=0100\r\n");
  Put(ControlSet001ClassPath, "0000", "only slot zero");
  const std::string registry = Everything();
  const std::string settings = Settings();
  const std::string taken = dir.File("taken.reg");
  WriteBytes(dir.File("taken.reg"), "an earlier backup");
  std::vector<std::tuple<std::vector<std::string>, int, std::string>> cases;
  for (const RefusedName& refused : RefusedNames()) {
    cases.push_back({{"set", refused.name, "--mode", "cafe"}, 2, refused.says});
  }
  cases.insert(cases.end(), {
      {{"set", "ok", "--mode", "windows7"}, 4, "没有找到随身WIFI"},  // empty slot, no stick
      {{"set", "ok", "--mode", "xp"}, 4, "没有找到随身WIFI"},        // a stored slot is no stick
      {{"set", "ok"}, 2, "必须给出 --mode"},
      {{"set", "ok", "--mode", "win10"}, 2, "\"win10\""},
      {{"set", "a", "b", "--mode", "cafe"}, 2, "正好一个网络名称"},
      {{"set", "ok", "--mode", "cafe", "--backup"}, 2, "--backup 后面缺少参数"},
      // A forgotten file name must not turn the next option into one.
      {{"set", "ok", "--mode", "cafe", "--backup", "--dry-run"}, 2, "--backup 后面缺少参数"},
      {{"set", "ok", "--mode", "cafe", "--backup=--dry-run"}, 2, "--backup 后面缺少参数"},
      {{"set", "ok", "--mode", "--dry-run"}, 2, "--mode 后面缺少参数"},
      {{"set", "ok", "--mode", "cafe", "--backup", taken}, 2, "已经存在"},
      {{"set", "ok", "--mode", "xp", "--slot", "0100"}, 2, "--slot 应为 0000 到 0099"},
      {{"set", "ok", "--mode", "xp", "--slot", "42"}, 2, "--slot 应为 0000 到 0099"},
      {{"set", "ok", "--mode", "cafe", "--slot", "0001"}, 2, "--slot 只用于"},
      {{"status", "--dry-run"}, 2, "status 不接受"},
      {{"rename", "x"}, 2, "未知的命令: rename"},
      {{"set", "-5G", "--mode", "cafe"}, 2, "未知的选项: -5G"},
      {{}, 2, "缺少命令"},
      {{"restore"}, 2, "正好一个备份文件"},
      {{"restore", dir.File("missing.reg")}, 2, "无法读取备份文件"},
      {{"status", "--restart"}, 2, "--restart 只用于 set"},
      {{"set", "ok", "--mode", "cafe", "--restart", "--restart"}, 2, "--restart 只能给一次"},
      {{"restart", "x"}, 2, "restart 不带参数"},
      {{"restart", "--slot", "0042"}, 2, "restart 不接受"},
  });
  for (const auto& [args, status, says] : cases) {
    EXPECT_EQ(Run(args), status) << says;
    EXPECT_NE(output.err.find(says), std::string::npos) << output.err;
    EXPECT_EQ(output.out, "") << says;
    ASSERT_EQ(Everything(), registry) << says;
    ASSERT_EQ(Settings(), settings) << says;
    ASSERT_EQ(ReadBytes(taken), "an earlier backup");
  }
  // The limits themselves are accepted; "--" lets a name start with a dash.
  EXPECT_EQ(Run({"set", "一二三四五六七八九十一二三四五六", "--mode", "cafe"}), 0) << output.err;
  EXPECT_EQ(Run({"set", "--mode", "cafe", "--", "-5G"}), 0) << output.err;
  EXPECT_EQ(adapters.QueryValue(kHklm, std::string(CurrentControlSetClassPath) + "0099", "SSID").ToText(),
            std::string("-5G") + '\0');
}

TEST_F(CliTest, BackupThenRestorePutsEveryStoredNameBackExactly) {
  WriteBytes(settingsPath, kSettings);
  Put(ControlSet001ClassPath, "0007", "old");
  ASSERT_EQ(adapters.WriteRegistryValue(kHklm, std::string(ControlSet001ClassPath) + "0007", "DriverDesc", "stick", reg::kSz), 0);
  ASSERT_EQ(adapters.EnsureRegistryKey(kHklm, std::string(ControlSet001ClassPath) + "0003"), 0);
  ASSERT_EQ(adapters.WriteRegistryValue(kHklm, std::string(ControlSet001ClassPath) + "0003", "DriverDesc", "nic", reg::kSz), 0);
  ASSERT_EQ(adapters.EnsureRegistryKey(kHklm, std::string(CurrentControlSetClassPath) + "0099"), 0);
  ASSERT_EQ(adapters.WriteRegistryValue(kHklm, std::string(CurrentControlSetClassPath) + "0099", "SSID", 7, reg::kDword), 0);
  const std::string before = Everything();
  const std::string backup = dir.File("备份 1.reg");

  EXPECT_EQ(Run({"set", "网吧", "--mode", "cafe", "--backup", backup}), 0) << output.err;
  EXPECT_EQ(output.out, "已把 \"SSID\" 值备份到 " + backup +
                            "\n已把网络名称 \"网吧\" 写入 200 处位置。请重新拨插随身WIFI,让新名称生效。\n");
  const std::string file = ReadBytes(backup);
  EXPECT_EQ(file.rfind("REGEDIT4\r\n\r\n", 0), 0u);
  for (const std::string& part : std::vector<std::string>
       {"\r\n[" + k001 + "\\0007]\r\n\"SSID\"=\"old\"\r\n\r\n", "\r\n[" + kCurrent + "\\0099]\r\n\"SSID\"=dword:00000007\r\n",
        "\r\n[" + k001 + "\\0003]\r\n\"SSID\"=-\r\n", "\r\n; created [" + kCurrent + "\\0000]\r\n",
        "\r\n; created [" + k001 + "\\0099]\r\n", "\r\n; 360RI.INI SSIDITEMT=\"0005\"\r\n",
        "\r\n\r\n; end of backup: 200 slots\r\n"}) {
    EXPECT_NE(file.find(part), std::string::npos) << part;
  }
  EXPECT_EQ(file.find("DriverDesc"), std::string::npos);
  EXPECT_EQ(file.find("[-"), std::string::npos);  // regedit would delete the key
  EXPECT_NE(Everything(), before);

  // A key the cafe mode created and the driver has filled since stays, without "SSID".
  const std::string filled = std::string(CurrentControlSetClassPath) + "0050";
  ASSERT_EQ(adapters.WriteRegistryValue(kHklm, filled, "DriverDesc", "new stick", reg::kSz), 0);
  EXPECT_EQ(Run({"restore", backup}), 0) << output.err;
  EXPECT_EQ(output.out, "已从 " + backup + " 恢复 200 处 \"SSID\" 值。请重新拨插随身WIFI。\n");
  const std::optional<RegKeySnapshot> kept = memory.Snapshot(kHklm, filled);
  ASSERT_TRUE(kept);
  ASSERT_EQ(kept->values.size(), 1u);
  EXPECT_EQ(kept->values[0].name, "DriverDesc");
  ASSERT_EQ(memory.DeleteKeyTree(kHklm, filled), 0);
  EXPECT_EQ(Everything(), before);
  // A full undo: the window would otherwise show the rolled-out name and write it again.
  EXPECT_EQ(Settings(), kSettings);
}

// A backup cut at any line end (a run that died midway, a partial copy) is refused whole; one
// that Notepad saved again as UTF-8, with or without a byte-order mark, restores exactly.
TEST_F(CliTest, ABackupCutShortIsRefusedAndOneSavedAsUtf8RestoresExactly) {
  WriteBytes(settingsPath, kSettings);
  Put(ControlSet001ClassPath, "0007", "奶茶店 \"5G\" C:\\");
  Put(CurrentControlSetClassPath, "0042", "乗\\");  // 乗 is 81 5C in code page 936: its second byte is '\\'
  const std::string before = Everything();
  const std::string backup = dir.File("b.reg");
  ASSERT_EQ(Run({"set", "x", "--mode", "cafe", "--backup", backup}), 0) << output.err;
  const std::string file = ReadBytes(backup);
  EXPECT_NE(file.find("\"SSID\"=\"\x81\x5C\\\\\"\r\n"), std::string::npos);
  const std::string after = Everything();
  std::size_t cuts = 0;
  for (std::size_t end = file.find("\r\n"); end + 2 < file.size(); end = file.find("\r\n", end + 2)) {
    WriteBytes(backup, file.substr(0, end + 2));
    ASSERT_EQ(Run({"restore", backup}), 2) << end;
    ASSERT_EQ(Everything(), after) << end;
    ++cuts;
  }
  EXPECT_GT(cuts, 200u);
  for (const std::string& bom : {std::string(), std::string("\xEF\xBB\xBF")}) {
    const std::string utf8 = FromAnsi(file);
    ASSERT_NE(utf8, file);
    WriteBytes(backup, bom + utf8);
    EXPECT_EQ(Run({"restore", backup}), 0) << output.err;
    EXPECT_EQ(Everything(), before);
    EXPECT_EQ(Settings(), kSettings);
    ASSERT_EQ(Run({"set", "x", "--mode", "cafe"}), 0);
  }
  // No settings file at backup time: restore leaves the one set wrote, since without it the
  // window's next start would reset every slot.
  std::filesystem::remove(Utf8Path(settingsPath));
  std::filesystem::remove(Utf8Path(backup));
  ASSERT_EQ(Run({"set", "y", "--mode", "cafe", "--backup", backup}), 0) << output.err;
  EXPECT_NE(ReadBytes(backup).find("\r\n; 360RI.INI (none)\r\n"), std::string::npos);
  const std::string written = Settings();
  EXPECT_EQ(Run({"restore", backup}), 0) << output.err;
  EXPECT_EQ(Settings(), written);
}

TEST_F(CliTest, AnUnwritableBackupOrADeniedWriteChangesNothing) {
  WriteBytes(settingsPath, "[SSID]\r\nSSID=old\r\nSSIDITEMO=0004\r\nSSIDITEMT=0004\r\n");
  Put(ControlSet001ClassPath, "0004", "locked");
  const std::string settings = Settings();
  std::string registry = Everything();
  EXPECT_EQ(Run({"set", "new", "--mode", "cafe", "--backup", dir.File("no such dir/b.reg")}), 2);
  EXPECT_NE(output.err.find("无法写入,本次没有修改"), std::string::npos) << output.err;
  EXPECT_EQ(Everything(), registry);
  EXPECT_EQ(Settings(), settings);

  ASSERT_EQ(memory.SetReadOnly(kHklm, std::string(ControlSet001ClassPath) + "0004", true), 0);
  registry = Everything();
  // The search reads: it finds the stick the user may not write, and says so before writing.
  const std::string denied = "没有修改注册表的权限:请在\"以管理员身份运行\"的命令提示符中执行 wendral-cli。本次没有修改。\n";
  EXPECT_EQ(Run({"set", "new", "--mode", "windows7"}), 3);
  EXPECT_EQ(output.err, denied);
  EXPECT_EQ(output.out, "");
  EXPECT_EQ(Run({"set", "new", "--mode", "windows7", "--dry-run"}), 0);
  EXPECT_NE(output.out.find(k001 + "\\0004  SSID"), std::string::npos) << output.out;
  // One locked slot in café mode: 3 means nothing was written, not 199 of 200.
  EXPECT_EQ(Run({"set", "new", "--mode", "cafe", "--backup", dir.File("b.reg")}), 3);
  EXPECT_EQ(output.err, denied);
  EXPECT_FALSE(std::filesystem::exists(Utf8Path(dir.File("b.reg"))));
  EXPECT_EQ(Everything(), registry);
  EXPECT_EQ(Settings(), settings);
}

// Fails every value write below one slot with a status that is no access denial.
class FlakyRegistry final : public RegistryApi {
 public:
  FlakyRegistry(RegistryApi& inner, std::string slot) : inner_(inner), slot_(std::move(slot)) {}
  Status OpenKey(RegKey root, const char* subKey, std::uint32_t options, std::uint32_t access, RegKey* result) override {
    const Status status = inner_.OpenKey(root, subKey, options, access, result);
    if (status == 0) paths_[*result] = subKey;
    return status;
  }
  Status CreateKey(RegKey root, const char* subKey, std::uint32_t options, std::uint32_t access, RegKey* result,
                   std::uint32_t* disposition) override {
    const Status status = inner_.CreateKey(root, subKey, options, access, result, disposition);
    if (status == 0) paths_[*result] = subKey;
    return status;
  }
  Status QueryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) override {
    return inner_.QueryValue(key, name, type, data, size);
  }
  Status SetValue(RegKey key, const char* name, std::uint32_t type, const std::uint8_t* data, std::uint32_t size) override {
    const std::string& path = paths_[key];
    if (path.size() >= slot_.size() && path.compare(path.size() - slot_.size(), slot_.size(), slot_) == 0) {
      return reg::kErrorNotEnoughMemory;
    }
    return inner_.SetValue(key, name, type, data, size);
  }
  Status DeleteValue(RegKey key, const char* name) override { return inner_.DeleteValue(key, name); }
  Status CloseKey(RegKey key) override { return inner_.CloseKey(key); }
  Status QueryKeyCounts(RegKey key, std::uint32_t* subKeys, std::uint32_t* values) override {
    return inner_.QueryKeyCounts(key, subKeys, values);
  }
  Status DeleteKey(RegKey root, const char* subKey) override { return inner_.DeleteKey(root, subKey); }

 private:
  RegistryApi& inner_;
  std::string slot_;
  std::map<RegKey, std::string> paths_;
};

TEST_F(CliTest, SomeFailedWritesExitWithOneAndSayHowMany) {
  FlakyRegistry flaky(memory, "0050");
  devices.listed = {{"USB\\VID_0BDA&PID_8179\\1", "stick", "{4d36e972-e325-11ce-bfc1-08002be10318}\\0051", true}};
  cli::CliEnvironment env{flaky, profiles, settingsPath, files, output, nullptr, &devices};
  // No restart after an incomplete write: the status stays the write's.
  EXPECT_EQ(cli::RunCli({"set", "cafe", "--mode", "cafe", "--restart"}, env), 1);
  EXPECT_TRUE(devices.restarted.empty());
  EXPECT_EQ(output.err, "200 处写入中有 2 处没有成功(第一个错误代码 8)。\n");
  EXPECT_EQ(adapters.QueryValue(kHklm, std::string(ControlSet001ClassPath) + "0051", "SSID").ToText(),
            std::string("cafe") + '\0');
  // Something was written, so the settings remember it.
  EXPECT_EQ(Settings(), "[SSID]\r\nSSID=cafe\r\nSSIDITEMO=0000\r\nSSIDITEMT=0000\r\n");
}

// A slot whose "SSID" cannot be read, or holds what a backup cannot: no backup, nothing
// written, and the status says which (once 1, "some writes failed", with nothing written).
class UnreadableSlot final : public cli::SsidAccess {
 public:
  UnreadableSlot(cli::SsidAccess& inner, Status failure) : inner_(inner), failure_(failure) {}
  Status Read(cli::SlotValue* slot) override {
    return slot->suffix == "0050" ? failure_ : inner_.Read(slot);
  }
  Status Write(const std::string& path, std::uint32_t type, std::string_view data) override {
    return inner_.Write(path, type, data);
  }

 private:
  cli::SsidAccess& inner_;
  Status failure_;
};

TEST_F(CliTest, ASlotThatCannotBeBackedUpChangesNothing) {
  WriteBytes(settingsPath, kSettings);
  Put(ControlSet001ClassPath, "0007", "stick");
  cli::RegistrySsidAccess ansi(memory);
  for (const auto& [failure, status, says] : std::vector<std::tuple<Status, int, std::string>>{
           {reg::kErrorInvalidData, 2, "失败(错误代码 13),无法备份,本次没有修改。"},
           {reg::kErrorAccessDenied, 3, "没有修改注册表的权限"}}) {
    UnreadableSlot unreadable(ansi, failure);
    cli::CliEnvironment env{memory, profiles, settingsPath, files, output, &unreadable};
    const std::string registry = Everything();
    output = RecordingOutput{};
    EXPECT_EQ(cli::RunCli({"set", "x", "--mode", "cafe", "--backup", dir.File("b.reg")}, env), status);
    EXPECT_NE(output.err.find(says), std::string::npos) << output.err;
    EXPECT_EQ(Everything(), registry);
    EXPECT_EQ(Settings(), kSettings);
    EXPECT_FALSE(std::filesystem::exists(Utf8Path(dir.File("b.reg"))));
  }
  // A type a restore would refuse is not backed up in the first place.
  RegKey key = 0;
  ASSERT_EQ(memory.CreateKey(kHklm, (std::string(CurrentControlSetClassPath) + "0003").c_str(), 0, reg::kKeyAllAccess,
                             &key, nullptr), 0);
  ASSERT_EQ(memory.SetValue(key, "SSID", reg::kExpandSz, reinterpret_cast<const std::uint8_t*>("%x%"), 4), 0);
  memory.CloseKey(key);
  const std::string registry = Everything();
  EXPECT_EQ(Run({"set", "x", "--mode", "cafe", "--backup", dir.File("b.reg")}), 2);
  EXPECT_NE(output.err.find("0003 的 \"SSID\" 值(类型 2, 4 字节)无法备份"), std::string::npos) << output.err;
  EXPECT_EQ(Everything(), registry);
  EXPECT_FALSE(std::filesystem::exists(Utf8Path(dir.File("b.reg"))));
}

TEST_F(CliTest, RestoreRefusesAFileThatTouchesAnythingButTheStoredNames) {
  Put(ControlSet001ClassPath, "0007", "keep");
  WriteBytes(settingsPath, kSettings);
  const std::string registry = Everything();
  const std::string slot = "[" + k001 + "\\0007]\r\n\"SSID\"=\"changed\"\r\n";
  const std::string end = "; 360RI.INI (none)\r\n; end of backup: 1 slots\r\n";
  const auto value = [&](const std::string& data) {
    return "REGEDIT4\r\n[" + k001 + "\\0007]\r\n\"SSID\"=" + data + "\r\n" + end;
  };
  std::string bytes257 = "00";
  for (int n = 0; n < 256; ++n) bytes257 += ",00";
  std::string slots201 = "REGEDIT4\r\n; 360RI.INI (none)\r\n";
  for (int n = 0; n < 201; ++n) slots201 += "; created [" + k001 + "\\" + SlotSuffix(n % 100) + "]\r\n";
  const std::vector<std::pair<std::string, std::string>> files = {
      {"hello\r\n" + slot + end, "不是 regedit 的注册表文件"},
      {"REGEDIT5\r\n" + slot + end, "不是 regedit 的注册表文件"},
      {"REGEDIT4", "缺少结尾"},  // once "restored 0" with exit 0
      {"REGEDIT4\r\n" + slot, "缺少结尾"},
      {"REGEDIT4\r\n" + slot + "; 360RI.INI (none)\r\n; end of backup: 2 slots\r\n", "结尾记录了 2 个位置,文件中有 1 个"},
      {"REGEDIT4\r\n" + slot + end + slot, "结尾的记录之后还有内容"},
      {"REGEDIT4\r\n" + slot + "; 360RI.INI SSID=\"x\"\r\n; end of backup: 1 slots\r\n", "360RI.INI 的记录不完整"},
      {"REGEDIT4\r\n" + slot + "[" + k001 + "\\0007]\r\n\"SSID\"=-\r\n" + end, "同一个位置记录了两次"},
      {slots201, "同一个位置记录了两次"},
      {value("hex(2):61,00"), "只能是文本、dword 或二进制数据"},
      {value("hex(ffffffff):61,00"), "只能是文本、dword 或二进制数据"},
      {value("hex(4):01,00,00,00"), "只能是文本、dword 或二进制数据"},
      {value("dword:123456789"), "8 位十六进制数"},  // regedit takes 1 to 8 digits
      {value("hex(1):61,0d,0a,62,00"), "不能有换行"},
      {value("hex:" + bytes257), "257 字节"},
      {value("\"" + std::string(300, 'x') + "\""), "602 字节"},  // as stored: UTF-16
      {value("\"a\\nb\""), "不能有换行"},
      {value("\"a\\tb\""), "无法识别的 \\"},
      {"REGEDIT4\r\n" + slot + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wendral]\r\n", "SOFTWARE\\Wendral"},
      {"REGEDIT4\r\n" + slot + "\"DriverDesc\"=\"x\"\r\n", "\"SSID\" 以外的值"},
      {"REGEDIT4\r\n" + slot + "@=\"x\"\r\n", "\"SSID\" 以外的值"},
      {"REGEDIT4\r\n" + slot + "[-" + k001 + "]\r\n", "文件要删除键"},
      {"REGEDIT4\r\n" + slot + "[-" + k001 + "\\0007]\r\n" + end, "文件要删除键"},
      {"REGEDIT4\r\n" + slot + "[" + k001 + "\\0100]\r\n\"SSID\"=\"x\"\r\n", "0000 到 0099 以外的键"},
      {"REGEDIT4\r\n" + slot + "[" + k001 + "\\0007\\Sub]\r\n", "0000 到 0099 以外的键"},
      {"REGEDIT4\r\n" + slot + "[" + k001 + "]\r\n\"SSID\"=\"x\"\r\n", "0000 到 0099 以外的键"},
      {"REGEDIT4\r\n\"SSID\"=\"x\"\r\n" + end, "不在随身WIFI位置"},
      {"REGEDIT4\r\n" + slot + "[HKEY_CURRENT_USER\\SYSTEM\\ControlSet001\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}\\0001]\r\n",
       "以外的键"},
      {"REGEDIT4\r\n" + slot + "\"SSID\"=bogus\r\n", "第 4 行"},
  };
  for (const auto& [bytes, says] : files) {
    WriteBytes(dir.File("r.reg"), bytes);
    EXPECT_EQ(Run({"restore", dir.File("r.reg")}), 2) << says;
    EXPECT_NE(output.err.find(says), std::string::npos) << output.err;
    EXPECT_NE(output.err.find("没有做任何修改"), std::string::npos) << output.err;
    ASSERT_EQ(Everything(), registry) << says;
    ASSERT_EQ(Settings(), kSettings) << says;
  }
  // Names in any case, the short root, and a value in hex that goes on over two lines.
  WriteBytes(dir.File("r.reg"),
             "REGEDIT4\r\n\r\n[hklm\\system\\currentcontrolset\\control\\class\\{4d36e972-e325-11ce-bfc1-08002be10318}\\0099]\r\n"
             "\"ssid\"=hex(1):61,62,63,64,65,66,67,68,69,6a,6b,6c,6d,6e,6f,70,71,72,73,74,75,76,\\\r\n  77,00\r\n" + end);
  EXPECT_EQ(Run({"restore", dir.File("r.reg")}), 0) << output.err;
  EXPECT_EQ(adapters.QueryValue(kHklm, std::string(CurrentControlSetClassPath) + "0099", "SSID").ToText(),
            std::string("abcdefghijklmnopqrstuvw") + '\0');
  // A dword of fewer digits and a comment after a value, as regedit takes them.
  WriteBytes(dir.File("r.reg"), value("dword:1a ; a comment"));
  EXPECT_EQ(Run({"restore", dir.File("r.reg")}), 0) << output.err;
  EXPECT_EQ(adapters.QueryValue(kHklm, std::string(ControlSet001ClassPath) + "0007", "SSID"), QueryResult::Number(26));
}

TEST_F(CliTest, DryRunSaysWhatWouldBeWrittenAndWritesNothing) {
  WriteBytes(settingsPath, kSettings);
  Put(CurrentControlSetClassPath, "0017", "stick");
  const std::string registry = Everything();
  EXPECT_EQ(Run({"set", "奶茶店", "--mode", "xp", "--dry-run", "--backup", dir.File("b.reg")}), 0);
  EXPECT_EQ(output.out, "将先把两个控制集的 \"SSID\" 值备份到 " + dir.File("b.reg") +
                            "\n将写入 1 处:\n  " + kCurrent + "\\0017  SSID = \"奶茶店\"\n将保存 " + settingsPath +
                            ":\n  SSID=\"奶茶店\"\n  SSIDITEMO=\"0003\"\n  SSIDITEMT=\"0017\"\n(--dry-run:没有做任何修改)\n");
  EXPECT_EQ(Run({"set", "x", "--mode", "cafe", "--dry-run"}), 0);
  EXPECT_NE(output.out.find("将写入 200 处:\n  " + kCurrent + "\\0000  SSID = \"x\"\n  " + k001 + "\\0000"),
            std::string::npos);
  EXPECT_NE(output.out.find(k001 + "\\0099  SSID = \"x\"\n将保存"), std::string::npos);

  WriteBytes(dir.File("r.reg"), "REGEDIT4\r\n\r\n[" + kCurrent + "\\0017]\r\n\"SSID\"=-\r\n; created [" + k001 +
                                    "\\0001]\r\n; 360RI.INI (none)\r\n; end of backup: 2 slots\r\n");
  EXPECT_EQ(Run({"restore", "--dry-run", dir.File("r.reg")}), 0);
  EXPECT_EQ(output.out, "将恢复 2 处:\n  " + kCurrent + "\\0017  删除 \"SSID\" 值\n  " + k001 +
                            "\\0001  删除这个键(其中只有 \"SSID\" 值时),否则只删除 \"SSID\" 值\n(--dry-run:没有做任何修改)\n");
  EXPECT_FALSE(std::filesystem::exists(Utf8Path(dir.File("b.reg"))));
  EXPECT_EQ(Everything(), registry);
  EXPECT_EQ(Settings(), kSettings);
}

TEST_F(CliTest, HelpAndVersion) {
  EXPECT_EQ(Run({"--version"}), 0);
  EXPECT_EQ(output.out, "Wendral 1.5.0\n");  // the window's title reads "Wendralv1.5.0"
  EXPECT_EQ(Run({"set", "x", "--help"}), 0);
  EXPECT_NE(output.out.find("wendral-cli set 名称 --mode windows7|xp|cafe"), std::string::npos);
  EXPECT_NE(output.out.find("3  没有权限"), std::string::npos);
}

}  // namespace
}  // namespace wendral::test
