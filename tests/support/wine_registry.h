#pragma once
// The adapter slots of the Wine prefix: set up through advapi32, read back with Wine's own
// reg.exe, so the program's writes are checked by a tool other than the one that made them.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace wendral::e2e {

extern const wchar_t kCurrentClass[];
extern const wchar_t kClass001[];

// Removes slots "0000" to "0099" below both class keys.
void ClearSlots();
// Creates the slot key and sets a REG_SZ value in it.
void PutString(const wchar_t* classKey, const wchar_t* slot, const wchar_t* name, const std::wstring& value);
// Lets everyone only read the slot key, so opening it for writing is denied.
bool MakeReadOnly(const wchar_t* classKey, const wchar_t* slot);

// Sets a text value of the prefix for as long as it lives, then puts back what was there: the
// former data and type, or no value, and no key when it made the key.
class ScopedRegistryText {
 public:
  ScopedRegistryText(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& value);
  ~ScopedRegistryText();
  ScopedRegistryText(const ScopedRegistryText&) = delete;
  ScopedRegistryText& operator=(const ScopedRegistryText&) = delete;
  bool set() const { return set_; }

 private:
  HKEY root_;
  std::wstring path_;
  std::wstring name_;
  bool set_ = false;
  bool createdKey_ = false;
  bool hadValue_ = false;
  DWORD oldType_ = 0;
  std::vector<BYTE> oldData_;
};

// `reg export HKLM\<key>`: the text of the UTF-16 file, the same on every code page.
std::wstring ExportKey(const std::wstring& key);

// What ExportKey gives for a slot key that holds only "SSID" with that text.
std::wstring SlotExport(const wchar_t* classKey, const wchar_t* slot, const std::wstring& ssid);

// The class key as `reg export` writes it: slot (or "" for the class key itself) -> value
// name -> text of a string value, or what follows "=" for any other ("dword:00000001").
using RegDump = std::map<std::wstring, std::map<std::wstring, std::wstring>>;
RegDump QueryClass(const wchar_t* classKey);

}  // namespace wendral::e2e
