#include "support/wine_registry.h"

#include <windows.h>
#include <sddl.h>
#include <shlwapi.h>

#include <sstream>

#include "support/win32_test_utils.h"

namespace wendral::e2e {

const wchar_t kCurrentClass[] =
    L"SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}";
const wchar_t kClass001[] = L"SYSTEM\\ControlSet001\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}";

namespace {

std::wstring SlotPath(const wchar_t* classKey, const wchar_t* slot) {
  return std::wstring(classKey) + L"\\" + slot;
}

bool SetDacl(const std::wstring& path, const wchar_t* sddl) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, WRITE_DAC | READ_CONTROL, &key) != ERROR_SUCCESS) {
    return false;
  }
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  bool done = false;
  if (ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor, nullptr)) {
    done = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
    LocalFree(descriptor);
  }
  RegCloseKey(key);
  return done;
}

}  // namespace

void ClearSlots() {
  for (const wchar_t* classKey : {kCurrentClass, kClass001}) {
    // The class key itself may hold a value "SSID" from a test that wrote there.
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, classKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
      RegDeleteValueW(key, L"SSID");
      RegCloseKey(key);
    }
    for (int n = 0; n <= 99; ++n) {
      wchar_t slot[8];
      wsprintfW(slot, L"%04d", n);
      const std::wstring path = SlotPath(classKey, slot);
      SetDacl(path, L"D:(A;;KA;;;WD)");
      SHDeleteKeyW(HKEY_LOCAL_MACHINE, path.c_str());
    }
  }
}

void PutString(const wchar_t* classKey, const wchar_t* slot, const wchar_t* name, const std::wstring& value) {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_LOCAL_MACHINE, SlotPath(classKey, slot).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                  &key, nullptr);
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

bool MakeReadOnly(const wchar_t* classKey, const wchar_t* slot) {
  return SetDacl(SlotPath(classKey, slot), L"D:P(A;;KR;;;WD)");
}

ScopedRegistryText::ScopedRegistryText(HKEY root, const std::wstring& path, const wchar_t* name,
                                       const std::wstring& value)
    : root_(root), path_(path), name_(name) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key,
                      &disposition) != ERROR_SUCCESS) {
    return;
  }
  createdKey_ = disposition == REG_CREATED_NEW_KEY;
  DWORD size = 0;
  if (RegQueryValueExW(key, name, nullptr, &oldType_, nullptr, &size) == ERROR_SUCCESS) {
    oldData_.resize(size);
    hadValue_ = RegQueryValueExW(key, name, nullptr, &oldType_, oldData_.data(), &size) == ERROR_SUCCESS;
  }
  set_ = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  RegCloseKey(key);
}

ScopedRegistryText::~ScopedRegistryText() {
  if (createdKey_) {
    RegDeleteKeyW(root_, path_.c_str());
    return;
  }
  HKEY key = nullptr;
  if (RegOpenKeyExW(root_, path_.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  if (hadValue_) {
    RegSetValueExW(key, name_.c_str(), 0, oldType_, oldData_.data(), static_cast<DWORD>(oldData_.size()));
  } else {
    RegDeleteValueW(key, name_.c_str());
  }
  RegCloseKey(key);
}

std::wstring ExportKey(const std::wstring& key) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring file =
      std::wstring(folder) + L"wendral-export-" + std::to_wstring(GetCurrentProcessId()) + L".reg";
  DeleteFileW(file.c_str());
  test::RunProcess(L"reg.exe export \"HKLM\\" + key + L"\" \"" + file + L"\" /y", L"", 30000);
  const std::string bytes = test::ReadBytes(std::filesystem::path(file));
  DeleteFileW(file.c_str());
  if (bytes.size() < 2 || bytes.compare(0, 2, "\xFF\xFE") != 0) return L"<no export>";
  std::wstring text((bytes.size() - 2) / 2, L'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                   (static_cast<unsigned char>(bytes[3 + 2 * i]) << 8));
  }
  return text;
}

std::wstring SlotExport(const wchar_t* classKey, const wchar_t* slot, const std::wstring& ssid) {
  return L"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\" + std::wstring(classKey) + L"\\" +
         slot + L"]\r\n\"SSID\"=\"" + ssid + L"\"\r\n\r\n";
}

namespace {

// A quoted .reg text from just after its opening quote: the text, and the rest after the
// closing quote.
std::wstring Unquote(std::wstring_view quoted, std::wstring_view* rest) {
  std::wstring out;
  std::size_t i = 0;
  for (; i < quoted.size() && quoted[i] != L'"'; ++i) {
    if (quoted[i] == L'\\' && i + 1 < quoted.size()) ++i;
    out += quoted[i];
  }
  *rest = quoted.substr(i < quoted.size() ? i + 1 : i);
  return out;
}

}  // namespace

RegDump QueryClass(const wchar_t* classKey) {
  const std::wstring text = ExportKey(classKey);
  RegDump dump;
  const std::wstring classPrefix = L"[HKEY_LOCAL_MACHINE\\" + std::wstring(classKey);
  std::wstring current;
  std::wistringstream lines(text);
  std::wstring line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    if (line.rfind(classPrefix, 0) == 0) {
      current = line.size() > classPrefix.size() + 1 ? line.substr(classPrefix.size() + 1) : L"]";
      current.pop_back();
      continue;
    }
    if (line.empty() || line[0] != L'"') continue;
    std::wstring_view rest;
    const std::wstring name = Unquote(std::wstring_view(line).substr(1), &rest);
    if (rest.rfind(L"=\"", 0) == 0) {
      dump[current][name] = Unquote(rest.substr(2), &rest);
    } else if (!rest.empty()) {
      dump[current][name] = std::wstring(rest.substr(1));  // dword:..., hex...: as exported
    }
  }
  return dump;
}

}  // namespace wendral::e2e
