// Sending the library's programs, fetching them back, and firmware from a file.
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "Bmp.h"
#include "Compress.h"
#include "Link.h"
#include "ProgramIni.h"
#include "ResultCodes.h"

namespace nq {

namespace {

bool slotText(const char* slot, size_t size, std::string& out) {
  size_t n = strnlen(slot, size);
  if (n == size) return false;  // no NUL inside its slot
  out.assign(slot, n);
  return true;
}

void removeTree(const std::string& dir, const std::vector<std::string>& names) {
  for (const auto& n : names) ::unlink((dir + "/" + n).c_str());
  ::rmdir(dir.c_str());
}

// Moves the staged files into dest as one step: each entry already in dest is first moved
// aside into the staging folder, then the new one moved in; when any step fails, every step
// done is undone in reverse order, so dest is byte for byte what it was. Whatever kind of
// entry stood in the way (a file, a symbolic link, a dangling one, a FIFO) is moved aside as
// it is; a folder is not, so the rename onto it fails and nothing is lost.
class RenameJournal {
 public:
  RenameJournal(std::string stage, std::string dest)
      : stage_(std::move(stage)), dest_(std::move(dest)) {}

  bool moveIn(const std::string& name) {
    const std::string target = dest_ + "/" + name;
    const std::string aside = stage_ + "/" + name + ".old";
    struct stat st {};
    if (::lstat(target.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) {
      if (::rename(target.c_str(), aside.c_str()) != 0) return false;
      done_.push_back({aside, target});
    }
    if (::rename((stage_ + "/" + name).c_str(), target.c_str()) != 0) return false;
    done_.push_back({target, stage_ + "/" + name});
    return true;
  }
  void undo() {
    for (auto it = done_.rbegin(); it != done_.rend(); ++it)
      ::rename(it->first.c_str(), it->second.c_str());
    done_.clear();
  }
  // The files moved aside, to delete once the whole set is in place.
  std::vector<std::string> asideNames(const std::vector<std::string>& names) const {
    std::vector<std::string> out;
    for (const auto& n : names) out.push_back(n + ".old");
    return out;
  }

 private:
  std::string stage_, dest_;
  std::vector<std::pair<std::string, std::string>> done_;  // (now at, came from)
};

}  // namespace

std::string homeDirectory() {
  if (const char* h = std::getenv("LEDSIGN_HOME"); h && *h) return h;
  char buf[4096];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  std::string exe(buf, size_t(n));
  size_t slash = exe.rfind('/');
  return slash == std::string::npos ? "." : exe.substr(0, slash);
}

int LinkCore::modProgram(const ProgramSendRecord* rec) {
  std::lock_guard l(m_);
  setProgress(0, 0);
  if (fd_ < 0) return NotConnected;
  if (!rec || rec->count < 1 || rec->count > NQ_MAX_PROGRAMS) return OutOfRange;
  // Every file is read and checked before the first byte goes to the card.
  std::string iniPath;
  if (!slotText(rec->iniPath, sizeof rec->iniPath, iniPath)) return OutOfRange;
  std::vector<uint8_t> iniBytes;
  if (iniPath.empty() || !readWholeFile(iniPath, iniBytes, size_t(kMaxIniFileBytes)))
    return UnreadableFile;
  const IniText ini = IniText::parse(
      std::string_view(reinterpret_cast<const char*>(iniBytes.data()), iniBytes.size()));
  std::vector<uint8_t> stream;
  for (int i = 0; i < rec->count; ++i) {
    std::string path;
    if (!slotText(rec->bitmapPaths[i], NQ_PATH_SLOT, path)) return OutOfRange;
    std::vector<uint8_t> file;
    if (path.empty() || !readWholeFile(path, file, size_t(kMaxBmpFileBytes))) return UnreadableFile;
    // The size comes from the header, before a pixel is decoded: a small file claiming a huge
    // picture costs nothing.
    const BmpInfo info = checkBmp(file);
    if (info.width > kMaxProgramWidth || info.height > kMaxProgramHeight) return OutOfRange;
    if (!info.ok()) return UnreadableFile;
    const auto img = decodeBmp(file);
    if (!img) return UnreadableFile;
    // Read as the editor shows it: a missing or non-decimal value takes its default.
    const ProgramSettings settings = readProgramSettings(ini, i);
    if (!settingsInRange(settings)) return OutOfRange;
    encodeProgram(stream, *img, settings);
  }
  return upload(UploadKind::Programs, stream, uint32_t(rec->count));
}

int LinkCore::getProgram(int count) {
  std::lock_guard l(m_);
  setProgress(0, 0);
  if (fd_ < 0) return NotConnected;
  if (count < 1 || count > NQ_MAX_PROGRAMS) return OutOfRange;
  uint32_t feat = 0;
  if (int rc = features(feat); rc != Ok) return rc;
  const bool packed = feat & kFeatureLz4;
  Frame r;
  Writer w;
  w.i32(count);
  if (packed) w.u8(kEncodingLz4);
  if (int rc = transact(Cmd::FetchBegin, w.b, r); rc != Ok) return rc;
  Reader rd(r.payload);
  uint32_t total = 0, crc = 0;
  if (r.payload.size() != 8 || !rd.u32(total) || !rd.u32(crc)) return WrongReply;
  const size_t maxTotal =
      size_t(count) * (kProgramHeaderSize + planeBytes(kMaxProgramWidth, kMaxProgramHeight, 3));
  if (total > maxTotal) return WrongReply;
  std::vector<uint8_t> stream;
  stream.reserve(total);
  setProgress(0, total);
  const size_t chunk = rawChunkSize(packed);
  while (stream.size() < total) {
    Writer c;
    c.u32(uint32_t(stream.size())).u32(uint32_t(chunk));
    if (int rc = transact(Cmd::FetchChunk, c.b, r, chunk); rc != Ok) return rc;
    const size_t before = stream.size();
    if (packed) {
      if (!readPackedChunk(r.payload, std::min<size_t>(chunk, total - before), stream))
        return WrongReply;
    } else {
      if (r.payload.size() > total - before) return WrongReply;
      stream.insert(stream.end(), r.payload.begin(), r.payload.end());
    }
    if (stream.size() == before) return WrongReply;
    setProgress(uint32_t(stream.size()), total);
  }
  if (crc32(stream) != crc) return ChecksumError;
  std::vector<WireProgram> programs;
  if (!parseProgramStream(stream, count, programs)) return WrongReply;

  // Everything is written into a staging folder first; only a complete set is moved into
  // Program/, so a failed fetch leaves the library exactly as it was.
  const std::string home = homeDirectory();
  static std::atomic<int> serial{0};
  const std::string stage =
      home + "/.Program-fetch-" + std::to_string(::getpid()) + "-" + std::to_string(++serial);
  if (::mkdir(stage.c_str(), 0755) != 0) return WriteFailed;
  std::vector<std::string> names;
  std::string ini;
  for (int k = 0; k < count; ++k) {
    const WireProgram& p = programs[size_t(k)];
    std::string name = std::to_string(k) + ".bmp";
    names.push_back(name);
    if (!writeFileAtomic(stage + "/" + name, encodeBmp24(decodeProgram(p)), false)) {
      removeTree(stage, names);
      return WriteFailed;
    }
    appendProgramSection(ini, k, p.width, p.height, p.settings);
  }
  names.push_back("set.ini");
  // The staged files need no fsync: atomicity comes from the renames below.
  if (!writeFileAtomic(stage + "/set.ini", std::vector<uint8_t>(ini.begin(), ini.end()), false)) {
    removeTree(stage, names);
    return WriteFailed;
  }
  const std::string dest = home + "/Program";
  ::mkdir(dest.c_str(), 0755);
  // Renames inside one file system: set.ini goes last, so its sections never name a picture
  // that is not in place yet.
  RenameJournal journal(stage, dest);
  for (const auto& n : names)
    if (!journal.moveIn(n)) {
      journal.undo();
      removeTree(stage, names);
      return WriteFailed;
    }
  removeTree(stage, journal.asideNames(names));
  return Ok;
}

int LinkCore::updateFile(const char* path) {
  std::lock_guard l(m_);
  setProgress(0, 0);
  if (fd_ < 0) return NotConnected;
  if (!path || !*path) return OutOfRange;
  std::vector<uint8_t> image;
  struct stat st {};
  if (::stat(path, &st) != 0 || !S_ISREG(st.st_mode)) return UnreadableFile;
  if (st.st_size < 1 || st.st_size > (1 << 20)) return OutOfRange;
  if (!readWholeFile(path, image, size_t(1) << 20)) return UnreadableFile;
  if (image.empty()) return OutOfRange;
  return upload(UploadKind::Firmware, image, 0);
}

}  // namespace nq
