#pragma once
// Profile files and operations on which the two settings stores must give the same results:
// shared by the unit tests and the differential test under Wine.
#include <string>
#include <vector>

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

}  // namespace wendral::test
