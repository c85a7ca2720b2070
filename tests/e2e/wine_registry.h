#pragma once
// The adapter slots of the Wine prefix: set up through advapi32, read back with Wine's own
// reg.exe, so the program's writes are checked by a tool other than the one that made them.
#include <map>
#include <string>

namespace wendral::e2e {

extern const wchar_t kCurrentClass[];
extern const wchar_t kClass001[];

// Removes slots "0000" to "0099" below both class keys.
void ClearSlots();
// Creates the slot key and sets a REG_SZ value in it.
void PutString(const wchar_t* classKey, const wchar_t* slot, const wchar_t* name, const std::wstring& value);
// Lets everyone only read the slot key, so opening it for writing is denied.
bool MakeReadOnly(const wchar_t* classKey, const wchar_t* slot);

// `reg query <classKey> /s`: slot (or "" for the class key itself) -> value name -> data,
// as reg.exe prints it.
using RegDump = std::map<std::wstring, std::map<std::wstring, std::wstring>>;
RegDump QueryClass(const wchar_t* classKey);

}  // namespace wendral::e2e
