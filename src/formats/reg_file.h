#pragma once
// src/formats: the file formats and text encodings the programs read and write: .reg files
// and the in-memory registry they load into, INI files under the Windows profile rules,
// BMP/ICO pictures, PNG, UTF-8/16/32 and (off Windows) code page 936 with its best-fit table.
// It may include the portable core's headers (app/, button/) and the C++ library, never a
// Windows header or another platform folder.
//
// .reg files for the in-memory registry, so a machine without a registry can keep one in a
// file, and so the store can be filled from, and checked against, what regedit writes.
//
// Saving writes REGEDIT4, the format regedit imports on every Windows, when code page 936
// holds every name and text of the store (which keeps names as UTF-8 and text as UTF-16LE):
// ANSI text, CRLF line ends, one "[ROOT\path]" line per key (parents first), then its values:
// "name"="text" for a REG_SZ that holds one terminated text, dword:xxxxxxxx for a 4-byte
// REG_DWORD, hex: for REG_BINARY and hex(n): for every other case (string types' text in the
// ANSI code page), with regedit's 80-column line wrapping. Otherwise the same lines go into
// regedit's "Windows Registry Editor Version 5.00" format, UTF-16LE with a byte-order mark,
// where hex data of string types is their UTF-16LE bytes.
//
// Loading reads REGEDIT4 (ANSI) and "Windows Registry Editor Version 5.00" in UTF-16LE with a
// byte-order mark, which is what regedit /e exports (Wine's too), by the rules of
// formats/reg_syntax.h, and applies it as `regedit /s` does, through the store's own
// RegistryApi calls: each key line creates the key (an unknown root or a read-only key skips
// the values below it), "[-KEY]" deletes a tree, "name"=- deletes a value, a line that does
// not parse is skipped and reported. As Wine's regedit does, a hex(1), hex(2) or hex(7) value
// whose data does not end in a zero character gets one added, so an unterminated string value
// does not survive a .reg file.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/memory_registry.h"

namespace wendral {

struct RegFileIssue {
  std::size_t line = 0;  // 1-based line of the file
  std::string message;
};

struct RegImportReport {
  bool read = false;    // the file could be read (LoadRegFile only; true for text)
  bool header = false;  // it starts with a known header; nothing is imported otherwise
  std::vector<RegFileIssue> issues;
  bool ok() const { return read && header && issues.empty(); }
};

// Applies .reg text (the file's bytes) to the store.
RegImportReport ImportRegText(MemoryRegistry& store, std::string_view fileBytes);

// The file of root\subKey and everything below it, or nothing when the key is missing.
std::optional<std::string> ExportRegText(const MemoryRegistry& store, RegKey root, std::string_view subKey);
// The file of the whole store: every root that holds a key or a value.
std::string ExportRegText(const MemoryRegistry& store);

// The same on files. Save returns false when the file cannot be written (or the key is
// missing).
RegImportReport LoadRegFile(MemoryRegistry& store, const std::string& path);
bool SaveRegFile(const MemoryRegistry& store, const std::string& path);
bool SaveRegFile(const MemoryRegistry& store, const std::string& path, RegKey root, std::string_view subKey);

}  // namespace wendral
