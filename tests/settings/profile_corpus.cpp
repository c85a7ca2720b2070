#include "settings/profile_corpus.h"

#include <cstdio>
#include <cstdlib>

#include "support/test_files.h"

namespace wendral::test {
namespace {

// GBK bytes of the Chinese texts used below.
const std::string kZhongWen = "\xd6\xd0\xce\xc4";          // 中文
const std::string kWangLuo = "\xcd\xf8\xc2\xe7";           // 网络
const std::string kWoDeWangLuo = "\xce\xd2\xb5\xc4" + kWangLuo;  // 我的网络
const std::string kWideSpace = "\xa1\xa1";                  // ideographic space

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

}  // namespace

std::vector<CorpusFile> ProfileCorpus() {
  using namespace std::string_literals;
  return {
      {"ordinary", "[SSID]\r\nSSID=TP-LINK_75BCRT\r\nSSIDITEMO=0000\r\nSSIDITEMT=0000\r\n"},
      {"missing", "", false},
      {"no-such-dir/missing", "", false},
      {"empty", ""},
      {"blank-lines", "\r\n\r\n   \r\n\t\r\n"},
      {"no-final-newline", "[SSID]\r\nSSID=net\r\nSSIDITEMO=0003\r\nSSIDITEMT=0004"},
      {"lf-only",
       "; settings\n[Other]\nkey=value\n\n[SSID]\nSSID=lf\nSSIDITEMO=0001\n[Tail]\nx=1\n"},
      {"cr-only", "[SSID]\rSSID=cr\rSSIDITEMO=0002\r"},
      {"utf8-bom", "\xef\xbb\xbf[SSID]\r\nSSID=\xe4\xb8\xad\xe6\x96\x87\r\nSSIDITEMO=0005\r\n"},
      {"utf8-bom-only", "\xef\xbb\xbf"},
      {"duplicates",
       "[SSID]\r\nSSID=first\r\nssid=second\r\n[Other]\r\nA=1\r\n[ssid]\r\nSSID=third\r\n"
       "SSIDITEMO=0009\r\n[SSID]\r\nSSIDITEMT=0010\r\n"},
      {"spaces",
       "  [ SSID ]  \r\n   SSID   =   spaced value   \r\n\tSSIDITEMO\t=\t0007\t\r\n"
       "SSIDITEMT=\r\nA =\r\n B= b \r\n"},
      {"quotes",
       "[SSID]\r\nSSID=\"quoted\"\r\nSSIDITEMO='0001'\r\nSSIDITEMT=\"\"\r\nA=\"\r\nB=\"x\r\n"
       "C='mixed\"\r\nD=\" spaced \"\r\nE=\"in\"side\"\r\nF='\r\nG=''\r\n"},
      {"long-values",
       "[SSID]\r\nSSID=" + std::string(300, 'a') + "\r\nSSIDITEMO=" + Repeat(kZhongWen, 75) +
           "\r\nSSIDITEMT=x" + Repeat(kWangLuo, 75) + "\r\nA=\"" + std::string(254, 'q') +
           "\"\r\nB=\"" + std::string(253, 'q') + "\"\r\nC=\"" + std::string(300, 'q') +
           "\"\r\nD=" + std::string(254, 'd') + "\r\nE=" + std::string(255, 'e') + "\r\n"},
      {"stray-bytes",
       "[SSID]\r\nSSID=\x81\r\nSSIDITEMO=\xff\x80\x1a\r\nSSIDITEMT=a\0b\r\nA=\x81 z\r\n"
       "\x1a[Other]\r\nB=\x1av\x1a\r\nC=\x0bv\x0c\r\nD=\x1cw\x1f\r\nE=\x7f\r\n"s},
      {"chinese",
       "[" + kZhongWen + "]\r\n" + kWangLuo + "=" + kWoDeWangLuo + "\r\n[SSID]\r\nSSID=" +
           kWoDeWangLuo + "\r\nSSIDITEMO=" + kWideSpace + "0001" + kWideSpace + "\r\n"
           "SSIDITEMT=\xa3\xa8\xc3\xe2\xb7\xd1\xa3\xa9\r\n"},
      {"before-first-section", "a=1\r\nSSID=outside\r\n[SSID]\r\nSSIDITEMO=0011\r\n"},
      {"odd-lines",
       "[SSID\r\nSSID=unclosed\r\n[]\r\nnoeq\r\n=v1\r\n=v2\r\n;comment=c\r\n[SSID]x\r\n"
       "SSID=after\r\n[S]S]\r\nk=v\r\n"},
      {"letters-case",
       "[\xa3\xd3\xa3\xd3\xa3\xc9\xa3\xc4]\r\nk=fullwidth\r\n[\xa6\xa1\xa6\xa2]\r\nk=greek\r\n"
       "[sSiD]\r\nsSiDiTeMo=mixed\r\n[\xa7\xa1\xa7\xa2]\r\nk=cyrillic\r\n"},
      {"ssid-in-middle", "[A]\r\nx=1\r\n[SSID]\r\nSSID=mid\r\n[B]\r\ny=2\r\n"},
  };
}

std::vector<ReadOp> CorpusReads() {
  const std::vector<std::string> sections = {
      "SSID", "ssid", " SSID ", "Other", "", "[SSID", "S]S", kZhongWen,
      "\xa3\xf3\xa3\xf3\xa3\xe9\xa3\xe4", "\xa6\xc1\xa6\xc2", "\xa7\xd1\xa7\xd2", "Missing"};
  const std::vector<std::string> keys = {"SSID", "SSIDITEMO", "SSIDITEMT", "ssiditemo", " SSID ",
                                         "A", "B", "C", "D", "E", "F", "G", "a", "k", "key",
                                         "noeq", "", ";comment", kWangLuo};
  std::vector<ReadOp> reads;
  for (const std::string& section : sections) {
    for (const std::string& key : keys) reads.push_back({section, key, "", 255});
  }
  for (std::size_t size : {1, 2, 3, 4, 5, 8}) {
    for (const char* key : {"SSID", "SSIDITEMO", "SSIDITEMT"}) reads.push_back({"SSID", key, "", size});
  }
  for (const char* fallback : {"dflt", "dflt  ", "  lead", "\"quoted\"", "'q'", "\xd6\xd0"}) {
    reads.push_back({"SSID", "Missing", fallback, 255});
    reads.push_back({"SSID", "", fallback, 255});
    reads.push_back({"SSID", "Missing", fallback, 4});
  }
  return reads;
}

std::vector<WriteCase> CorpusWrites() {
  return {
      {"save-ascii",
       {{"SSID", "SSID", "TP-LINK_75BCRT"}, {"SSID", "SSIDITEMO", "0000"}, {"SSID", "SSIDITEMT", "0000"}}},
      {"save-chinese",
       {{"SSID", "SSID", kWoDeWangLuo}, {"SSID", "SSIDITEMO", "0012"}, {"SSID", "SSIDITEMT", ""}}},
      {"save-empty", {{"SSID", "SSID", ""}, {"SSID", "SSIDITEMO", ""}, {"SSID", "SSIDITEMT", ""}}},
      {"case-and-spaces", {{"ssid", "ssiditemo", "x"}, {" SSID ", " SSID ", "  lead"}}},
      {"new-section", {{"New", "k", "v"}, {" Spaced ", " key ", "\"q\""}, {"", "top", "1"}}},
      {"long-value", {{"SSID", "SSID", std::string(300, 'L')}}},
      {"odd-values", {{"SSID", "SSID", "a=b;c"}, {"SSID", "SSIDITEMO", "tail  "}, {"SSID", "A", "\x81"}, {"SSID", "B", "\x81 z"},
        {"SSID", "C", "a\x81"}, {"SSID", "D", "\xff\x80\x1a"}, {"SSID", "E", "\xa1\xa1x\xa1\xa1"}}},
  };
}

namespace {

uint64_t Fold(uint64_t digest, const std::string& bytes) {
  for (unsigned char c : bytes) {
    digest ^= c;
    digest *= 0x100000001b3ull;
  }
  digest ^= 0xFF;  // keeps ("ab", "") apart from ("a", "b")
  return digest * 0x100000001b3ull;
}

}  // namespace

std::string PlaceCorpusFile(const std::string& directory, const CorpusFile& file, const std::string& tag) {
  const std::string path =
      Utf8String(Utf8Path(directory) / Utf8Path(file.name + "." + tag + ".ini"));
  if (file.exists) WriteBytes(path, file.bytes);
  return path;
}

uint64_t CorpusDigest(ProfileStore& store, const std::string& directory,
                      const std::function<void(const std::string&)>& afterFile) {
  uint64_t digest = 0xcbf29ce484222325ull;
  // WENDRAL_CORPUS_DUMP=<file>: every result written out too, to find where two runs part.
  FILE* dump = nullptr;
  if (const char* dumpPath = std::getenv("WENDRAL_CORPUS_DUMP")) dump = std::fopen(dumpPath, "wb");
  const auto record = [&](const std::string& what, const std::string& bytes) {
    digest = Fold(digest, bytes);
    if (dump) std::fprintf(dump, "%s\t%s\n", what.c_str(), bytes.c_str());
  };
  const std::vector<ReadOp> reads = CorpusReads();
  const std::vector<WriteCase> writeCases = CorpusWrites();
  for (const CorpusFile& file : ProfileCorpus()) {
    const std::string readPath = PlaceCorpusFile(directory, file, "digest-read");
    for (const ReadOp& op : reads) {
      record(file.name + " read [" + op.section + "] " + op.key,
             store.Read(op.section, op.key, op.defaultValue, op.bufferSize, readPath));
    }
    afterFile(readPath);
    for (const WriteCase& writeCase : writeCases) {
      const std::string path = PlaceCorpusFile(directory, file, "digest-" + writeCase.name);
      std::string results;
      for (const WriteOp& op : writeCase.writes) {
        results += store.Write(op.section, op.key, op.value, path) ? '1' : '0';
      }
      afterFile(path);
      record(file.name + " " + writeCase.name, results);
      record(file.name + " " + writeCase.name + " bytes", ReadBytes(path));
    }
  }
  if (dump) std::fclose(dump);
  return digest;
}

}  // namespace wendral::test
