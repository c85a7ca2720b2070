#pragma once
// Profile files and operations on which the two settings stores must give the same results:
// shared by the unit tests and the differential test under Wine.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/profile_store.h"

namespace wendral::test {

struct CorpusFile {
  std::string name;   // distinct, usable as a file name
  std::string bytes;  // file content
  bool exists = true;
};

struct ReadOp {
  std::string section, key, defaultValue;
  std::size_t bufferSize;
};

struct WriteOp {
  std::string section, key, value;
};

struct WriteCase {
  std::string name;
  std::vector<WriteOp> writes;
};

std::vector<CorpusFile> ProfileCorpus();
std::vector<ReadOp> CorpusReads();
std::vector<WriteCase> CorpusWrites();

// A copy of file in directory (both UTF-8) under a name made of the file's and tag's, so
// each case has a file of its own (kernel32 keeps the last profile file in memory). Returns
// its UTF-8 path; a file that does not exist is not made.
std::string PlaceCorpusFile(const std::string& directory, const CorpusFile& file, const std::string& tag);

// Every corpus read and write sequence through store, on copies of the files placed in
// directory (UTF-8), folded into one 64-bit digest: the read results, and per write sequence
// the results of the writes and the file's bytes afterwards. afterFile runs after each file
// is done with (kernel32 needs its cached copy dropped).
uint64_t CorpusDigest(ProfileStore& store, const std::string& directory,
                      const std::function<void(const std::string&)>& afterFile);

// The digest kernel32 gives (checked under Wine against Win32ProfileStore).
inline constexpr uint64_t kKernel32CorpusDigest = 0x03a450360272684eull;

}  // namespace wendral::test
