#include "app/adapter_registry.h"

#include <cerrno>
#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <vector>

#include "formats/utf16.h"

namespace wendral {

std::string SlotSuffix(int n) { return (n <= 9 ? "000" : "00") + std::to_string(n); }

std::string SearchSlots(std::string_view classPath, const std::function<bool(const std::string&)>& readsAsText) {
  for (int n = kFirstSearchedSlot; n <= kLastSlot; ++n) {
    const std::string suffix = SlotSuffix(n);
    if (readsAsText(std::string(classPath) + suffix)) return suffix;
  }
  return {};
}

bool ReadsAsText(std::uint32_t type, std::size_t size) {
  return (type == reg::kSz && size != 0) || (type == reg::kDword && size <= 4);
}

std::string QueryResult::ToText() const {
  if (IsText()) return text();
  if (IsNumber()) return std::to_string(number());
  return {};
}

std::string ValueArgument::ToText() const {
  if (const auto* text = std::get_if<std::string>(&value_)) return *text;
  return std::to_string(std::get<std::int32_t>(value_));
}

bool ValueArgument::ToInt32(std::int32_t* out) const {
  if (const auto* number = std::get_if<std::int32_t>(&value_)) {
    *out = *number;
    return true;
  }
  const std::string& text = std::get<std::string>(value_);
  const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && isSpace(text[begin])) ++begin;
  while (end > begin && isSpace(text[end - 1])) --end;
  if (begin == end) return false;
  const std::string trimmed = text.substr(begin, end - begin);
  // Decimal digits only (no hexadecimal, infinities or NaN that strtod would take).
  for (char c : trimmed) {
    if (!((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E')) {
      return false;
    }
  }
  char* stop = nullptr;
  errno = 0;
  const double parsed = std::strtod(trimmed.c_str(), &stop);
  if (stop != trimmed.c_str() + trimmed.size() || errno == ERANGE || !std::isfinite(parsed)) {
    return false;
  }
  const int savedRounding = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const double rounded = std::nearbyint(parsed);  // halves to even
  std::fesetround(savedRounding);
  if (rounded < -2147483648.0 || rounded > 2147483647.0) return false;
  *out = static_cast<std::int32_t>(rounded);
  return true;
}

QueryResult AdapterRegistry::QueryValue(RegKey root, std::string_view path, std::string_view valueName,
                                        Status* status) {
  RegKey key = 0;
  const Status openStatus = api_.OpenKey(root, std::string(path).c_str(), 0, reg::kAdapterKeyAccess, &key);
  if (openStatus != reg::kErrorSuccess) key = 0;  // the handle stays null on failure
  QueryResult result;
  const Status queryStatus = QueryValueEx(key, valueName, &result);
  const Status closeStatus = api_.CloseKey(key);
  if (status != nullptr) {
    *status = openStatus != reg::kErrorSuccess    ? openStatus
              : queryStatus != reg::kErrorSuccess ? queryStatus
                                                  : closeStatus;
  }
  return result;
}

Status AdapterRegistry::QueryValueEx(RegKey key, std::string_view valueName, QueryResult* result) {
  Status status = reg::kErrorSuccess;
  try {
    const std::string name(valueName);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    status = api_.QueryValue(key, name.c_str(), &type, nullptr, &size);
    if (status != reg::kErrorSuccess) return status;
    switch (type) {
      case reg::kSz: {
        // A buffer of `size` zero bytes; never a null pointer, also for a zero-byte value.
        std::vector<std::uint8_t> buffer(static_cast<std::size_t>(size) + 1, 0);
        std::uint32_t read = size;
        status = api_.QueryValue(key, name.c_str(), &type, buffer.data(), &read);
        if (status == reg::kErrorSuccess) {
          // UTF-16LE: a stored terminator becomes a final NUL character.
          const std::string_view bytes(reinterpret_cast<const char*>(buffer.data()), read <= size ? read : size);
          *result = QueryResult::Text(Utf16LeToUtf8(bytes));
        }
        return status;
      }
      case reg::kDword: {
        std::int32_t number = 0;
        std::uint32_t numberSize = sizeof number;
        status = api_.QueryValue(key, name.c_str(), &type, reinterpret_cast<std::uint8_t*>(&number), &numberSize);
        if (status == reg::kErrorSuccess) *result = QueryResult::Number(number);
        return status;
      }
      default: status = -1; return status;
    }
  } catch (const std::exception&) {
    // A run-time failure ends the operation with the status and result as they stand.
    return status;
  }
}

Status AdapterRegistry::EnsureRegistryKey(RegKey root, std::string_view path) {
  RegKey key = 0;
  std::uint32_t disposition = 0;
  const Status createStatus = api_.CreateKey(root, std::string(path).c_str(), reg::kOptionNonVolatile,
                                             reg::kAdapterKeyAccess, &key, &disposition);
  if (createStatus != reg::kErrorSuccess) key = 0;
  const Status closeStatus = api_.CloseKey(key);
  return createStatus != reg::kErrorSuccess ? createStatus : closeStatus;
}

Status AdapterRegistry::WriteRegistryValue(RegKey root, std::string_view path, std::string_view valueName,
                                           const ValueArgument& value, std::uint32_t type) {
  RegKey key = 0;
  const Status openStatus = api_.OpenKey(root, std::string(path).c_str(), 0, reg::kAdapterKeyAccess, &key);
  if (openStatus != reg::kErrorSuccess) key = 0;
  const Status putStatus = PutValueData(key, valueName, type, value);
  const Status closeStatus = api_.CloseKey(key);
  return openStatus != reg::kErrorSuccess ? openStatus : putStatus != reg::kErrorSuccess ? putStatus : closeStatus;
}

Status AdapterRegistry::PutValueData(RegKey key, std::string_view valueName, std::uint32_t type,
                                     const ValueArgument& value) {
  const std::string name(valueName);
  switch (type) {
    case reg::kSz: {
      // The UTF-16LE text and its terminating zero character.
      const std::string text = ToTerminatedUtf16Le(value.ToText());
      return api_.SetValue(key, name.c_str(), reg::kSz, reinterpret_cast<const std::uint8_t*>(text.data()),
                           static_cast<std::uint32_t>(text.size()));
    }
    case reg::kDword: {
      std::int32_t number = 0;
      if (!value.ToInt32(&number)) return reg::kErrorInvalidData;
      return api_.SetValue(key, name.c_str(), reg::kDword, reinterpret_cast<const std::uint8_t*>(&number),
                           sizeof number);
    }
    default: return reg::kErrorSuccess;
  }
}

Status AdapterRegistry::DeleteRegistryValue(RegKey root, std::string_view path, std::string_view valueName) {
  RegKey key = 0;
  const Status openStatus = api_.OpenKey(root, std::string(path).c_str(), 0, reg::kAdapterKeyAccess, &key);
  if (openStatus != reg::kErrorSuccess) key = 0;
  const Status deleteStatus = api_.DeleteValue(key, std::string(valueName).c_str());
  const Status closeStatus = api_.CloseKey(key);
  return openStatus != reg::kErrorSuccess     ? openStatus
         : deleteStatus != reg::kErrorSuccess ? deleteStatus
                                              : closeStatus;
}

}  // namespace wendral
