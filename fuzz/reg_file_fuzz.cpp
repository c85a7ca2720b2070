// .reg import: any bytes are applied or refused line by line without a fault, every handle it
// opens is closed, and what it imported survives an export and a second import unchanged.
// Built twice: as it is (REGEDIT4 in the ANSI code page, or any other bytes) and with the input
// taken as text and given to the reader as regedit's UTF-16LE export with its byte-order mark.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "formats/reg_file.h"
#include "formats/utf16.h"

using namespace wendral;

namespace {

#ifdef FUZZ_AS_UTF16
std::string AsUtf16File(std::string_view text) { return "\xFF\xFE" + Utf8ToUtf16Le(text); }
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
#ifdef FUZZ_AS_UTF16
  const std::string bytes = AsUtf16File(input);
#else
  const std::string bytes(input);
#endif
  MemoryRegistry store;
  const RegImportReport report = ImportRegText(store, bytes);
  FUZZ_CHECK(report.read);
  FUZZ_CHECK(report.header || !report.issues.empty());
  for (const RegFileIssue& issue : report.issues) FUZZ_CHECK(!issue.message.empty() && issue.line >= 1);
  FUZZ_CHECK(store.OpenHandleCount() == 0);

  // Round trip: the export of what was imported imports to the same store, and exports the
  // same text again.
  const std::string exported = ExportRegText(store);
  MemoryRegistry again;
  const RegImportReport second = ImportRegText(again, exported);
  FUZZ_CHECK(second.ok());
  FUZZ_CHECK(again.OpenHandleCount() == 0);
  for (RegKey root : MemoryRegistry::Roots()) {
    FUZZ_CHECK(store.Snapshot(root, "") == again.Snapshot(root, ""));
  }
  FUZZ_CHECK(ExportRegText(again) == exported);
  return 0;
}
