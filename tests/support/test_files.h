#pragma once
// Files for tests: a directory of its own for one test, removed afterwards, and a file's
// bytes. Paths are UTF-8 text (std::string) or a path (a wide one in the Win32 suites).
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace wendral::test {

inline std::filesystem::path Utf8Path(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8String(const std::filesystem::path& path) {
  const std::u8string u8 = path.u8string();
  return std::string(u8.begin(), u8.end());
}

class TempDir {
 public:
  TempDir() {
    std::random_device random;
    dir_ = std::filesystem::temp_directory_path() /
           ("wendral-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(dir_);
  }
  ~TempDir() {
    std::error_code error;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(dir_, error);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return dir_; }
  // UTF-8 path of name (UTF-8) in the directory.
  std::string File(const std::string& name) const { return Utf8String(dir_ / Utf8Path(name)); }

 private:
  std::filesystem::path dir_;
};

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
inline void WriteBytes(const std::string& utf8Path, const std::string& bytes) { WriteBytes(Utf8Path(utf8Path), bytes); }

// The file's bytes, or "<no file>" when it cannot be opened (so a missing file never
// compares equal to an empty one).
inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<no file>";
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
inline std::string ReadBytes(const std::string& utf8Path) { return ReadBytes(Utf8Path(utf8Path)); }

}  // namespace wendral::test
