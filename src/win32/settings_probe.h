#pragma once
// The executable's directory, and the first-run test for the settings file.
#include <string>

namespace wendral::win32 {

// UTF-8, without a trailing backslash.
std::string ExecutableDirectory();

// True for an ordinary file only: hidden or system files and directories of that name do
// not count, as with a directory search for normal files.
bool NormalFileExists(const std::string& utf8Path);

}  // namespace wendral::win32
