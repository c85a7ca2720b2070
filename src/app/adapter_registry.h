#pragma once
// Adapter registry access: where the Wi-Fi stick's instance keys are, how a slot is named,
// and the registry operations of the network-name changer, over the eight calls of RegistryApi.
// Texts are UTF-8 inside the program and cross to the registry through the wide calls, as
// UTF-16, so a name is stored as typed whatever the system's ANSI code page.
//
// The program's callers drop the statuses; every operation still hands back the status it
// reached, so code that cares can tell a success from a failure.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>

#include "app/registry_api.h"

namespace wendral {

// The network-adapter class key below each control set, relative to HKEY_LOCAL_MACHINE,
// trailing backslash included (and the lower-case "b" of "08002bE10318").
inline constexpr std::string_view CurrentControlSetClassPath =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}\\";
inline constexpr std::string_view ControlSet001ClassPath =
    "SYSTEM\\ControlSet001\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}\\";

// The value every caller reads and writes.
inline constexpr std::string_view SsidValueName = "SSID";

// The slots the program forms below each class key, "0000" to "0099": the only instance keys
// the stick's driver uses.
inline constexpr int kFirstSlot = 0;
inline constexpr int kLastSlot = 99;
inline constexpr int kSlotsPerClassKey = kLastSlot - kFirstSlot + 1;
// The search for the stick leaves out "0000", the wired card's: it starts at the first
// instance the driver adds.
inline constexpr int kFirstSearchedSlot = 1;

// The instance key name of slot n: "000" and the digit for n up to 9, "00" and the digits
// from 10 on ("0000" to "0099" for n from kFirstSlot to kLastSlot).
std::string SlotSuffix(int n);

// The search of the window and the command line alike: the suffix of the first slot from
// kFirstSearchedSlot to kLastSlot below classPath (with its trailing backslash) whose "SSID"
// value reads as a non-empty text, as `readsAsText(slot key path)` tells; empty when none.
std::string SearchSlots(std::string_view classPath, const std::function<bool(const std::string&)>& readsAsText);

// Whether a value of this type and size reads as a non-empty text through
// AdapterRegistry::QueryValueEx: a REG_SZ of any size but zero (its terminator alone counts)
// or a REG_DWORD of at most 4 bytes. For a search over values already read.
bool ReadsAsText(std::uint32_t type, std::size_t size);

// The value a read gives: empty, a text (UTF-8) or a 32-bit signed number.
class QueryResult {
 public:
  QueryResult() = default;
  static QueryResult Text(std::string utf8) { return QueryResult(std::move(utf8)); }
  static QueryResult Number(std::int32_t number) { return QueryResult(number); }

  bool IsEmpty() const { return std::holds_alternative<std::monostate>(value_); }
  bool IsText() const { return std::holds_alternative<std::string>(value_); }
  bool IsNumber() const { return std::holds_alternative<std::int32_t>(value_); }
  // Precondition: IsText() / IsNumber().
  const std::string& text() const { return std::get<std::string>(value_); }
  std::int32_t number() const { return std::get<std::int32_t>(value_); }

  // What callers compare with the empty text: empty gives "", a text itself (a stored
  // terminator included), a number its decimal digits.
  std::string ToText() const;

  friend bool operator==(const QueryResult&, const QueryResult&) = default;

 private:
  explicit QueryResult(std::string utf8) : value_(std::move(utf8)) {}
  explicit QueryResult(std::int32_t number) : value_(number) {}
  std::variant<std::monostate, std::string, std::int32_t> value_;
};

// A value to write: a text (UTF-8) or a number, converted as PutValueData needs it.
class ValueArgument {
 public:
  ValueArgument(std::string_view utf8) : value_(std::string(utf8)) {}  // NOLINT: implicit
  ValueArgument(const char* utf8) : value_(std::string(utf8)) {}       // NOLINT: implicit
  ValueArgument(const std::string& utf8) : value_(utf8) {}             // NOLINT: implicit
  ValueArgument(std::int32_t number) : value_(number) {}               // NOLINT: implicit

  // The value as text: a text itself, a number its decimal digits.
  std::string ToText() const;
  // The value as a 32-bit integer: a number itself; a text holding a decimal number (spaces
  // around it allowed, a fraction rounded to nearest, halves to even) that fits; else false.
  bool ToInt32(std::int32_t* out) const;

 private:
  std::variant<std::string, std::int32_t> value_;
};

class AdapterRegistry {
 public:
  explicit AdapterRegistry(RegistryApi& api) : api_(api) {}

  // Reads one value: opens root\path (access 0x3F), QueryValueEx, closes the handle (also
  // when the open failed and it is null). Every failure gives the empty result. *status, when
  // given, receives the first failure reached: the open's status when the open failed, else
  // QueryValueEx's, else the close's.
  QueryResult QueryValue(RegKey root, std::string_view path, std::string_view valueName, Status* status = nullptr);

  // Reads one value of an open key into *result (empty on entry; left empty on failure).
  // Returns 0, a Windows error code, or -1 for a type other than REG_SZ and REG_DWORD.
  Status QueryValueEx(RegKey key, std::string_view valueName, QueryResult* result);

  // Opens or creates root\path, with every missing key above it (access 0x3F), and closes it.
  // Returns the create's status, else the close's.
  Status EnsureRegistryKey(RegKey root, std::string_view path);

  // Opens root\path (access 0x3F), PutValueData, closes the handle. Returns the open's status
  // when the open failed, else PutValueData's, else the close's.
  Status WriteRegistryValue(RegKey root, std::string_view path, std::string_view valueName, const ValueArgument& value,
                            std::uint32_t type);

  // Writes one value into an open key: REG_SZ as UTF-16 text with its terminating zero
  // character, REG_DWORD as 4 bytes; any other type writes nothing and gives 0. Returns
  // RegSetValueExW's status, or ERROR_INVALID_DATA when a REG_DWORD value is a text that is
  // no 32-bit number (nothing is written then).
  Status PutValueData(RegKey key, std::string_view valueName, std::uint32_t type, const ValueArgument& value);

  // Opens root\path (access 0x3F), deletes the value (the key stays), closes the handle.
  // Returns the open's status when the open failed, else the deletion's, else the close's.
  Status DeleteRegistryValue(RegKey root, std::string_view path, std::string_view valueName);

 private:
  RegistryApi& api_;
};

}  // namespace wendral
