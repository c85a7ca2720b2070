#pragma once
// Access to a profile (INI) file with the rules of the Windows profile functions. Section,
// key, default and value texts are ANSI (code page 936) bytes, as the profile functions take
// them; the path is UTF-8, as the program keeps it.
#include <cstddef>
#include <string>

namespace wendral {

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;

  // What GetPrivateProfileString leaves in a buffer of bufferSize bytes, up to its
  // terminating zero byte: the value of key in section, or defaultValue when the file, the
  // section or the key is missing; at most bufferSize - 1 bytes.
  virtual std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue,
                           std::size_t bufferSize, const std::string& path) = 0;

  // Sets key in section to value, creating the file and the section when they are missing.
  // False when the file could not be written.
  virtual bool Write(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& path) = 0;
};

}  // namespace wendral
