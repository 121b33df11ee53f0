// Writes seed inputs for the controller's fuzz targets with the project's own encoders:
//   fuzz_controller_seeds <corpus dir>  ->  <dir>/card_frames, link_replies, bitmap
// (the folder names are the target names without "fuzz_", as fuzz/CMakeLists.txt expects, so
// fuzz/controller/corpus is the argument that refreshes the committed seeds)
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Bmp.h"
#include "Compress.h"
#include "Program.h"
#include "Protocol.h"

namespace {

void put(const std::string& dir, const std::string& name, const std::vector<uint8_t>& bytes) {
  ::mkdir(dir.c_str(), 0755);
  nq::writeFileAtomic(dir + "/" + name, bytes, false);
}

std::vector<uint8_t> frame(nq::Cmd cmd, uint16_t seq, std::vector<uint8_t> payload,
                           uint8_t status = 0, bool reply = false) {
  std::vector<uint8_t> out;
  nq::encodeFrame(out, uint8_t(cmd) | (reply ? nq::kReplyBit : 0), seq, status, payload);
  return out;
}

nq::Image sample(int w, int h) {
  nq::Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) nq::pureRgb(nq::LedColour((x / 3 + y) % 4), img.px(x, y));
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
    return 2;
  }
  const std::string root = argv[1];
  ::mkdir(root.c_str(), 0755);
  std::vector<uint8_t> stream;
  nq::encodeProgram(stream, sample(16, 8), nq::ProgramSettings{3, 1, 2, 3});
  nq::encodeProgram(stream, sample(9, 4), nq::ProgramSettings{1, 0, 0, 0});
  const uint32_t crc = nq::crc32(stream);

  const std::string card = root + "/card_frames";
  put(card, "heart", frame(nq::Cmd::Heart, 1, {}));
  put(card, "brightness", frame(nq::Cmd::SetBrightness, 2, nq::Writer().i32(7).b));
  put(card, "settime",
      frame(nq::Cmd::SetTime, 3, nq::Writer().i32(2030).i32(1).i32(2).i32(3).i32(4).i32(5).b));
  for (uint8_t enc : {nq::kEncodingRaw, nq::kEncodingLz4}) {
    std::vector<uint8_t> upload = frame(nq::Cmd::GetFeatures, 9, {});
    auto begin = frame(
        nq::Cmd::UploadBegin, 10,
        nq::Writer().u8(1).u8(enc).u8(0).u8(0).u32(uint32_t(stream.size())).u32(2).u32(crc).b);
    upload.insert(upload.end(), begin.begin(), begin.end());
    std::vector<uint8_t> chunk = nq::Writer().u32(0).b;
    if (enc == nq::kEncodingLz4)
      nq::appendPackedChunk(chunk, stream);
    else
      chunk.insert(chunk.end(), stream.begin(), stream.end());
    auto c = frame(nq::Cmd::UploadChunk, 11, chunk);
    auto e = frame(nq::Cmd::UploadEnd, 12, {});
    auto f =
        frame(nq::Cmd::FetchBegin, 13, enc ? nq::Writer().i32(2).u8(enc).b : nq::Writer().i32(2).b);
    auto g = frame(nq::Cmd::FetchChunk, 14, nq::Writer().u32(0).u32(4096).b);
    for (const auto* v : {&c, &e, &f, &g}) upload.insert(upload.end(), v->begin(), v->end());
    put(card, enc ? "upload-packed" : "upload-raw", upload);
  }
  std::vector<uint8_t> overlap;
  for (int i = 0; i < 200; ++i) overlap.insert(overlap.end(), {0xA5, 0x5A, 0x01, 0, 0, 0});
  put(card, "overlapping-headers", overlap);

  const std::string replies = root + "/link_replies";
  put(replies, "model", frame(nq::Cmd::GetModel, 0x1234, nq::Writer().i32(2).b, 0, true));
  put(replies, "refused", frame(nq::Cmd::SetSize, 5, {}, 4, true));
  put(replies, "fetch-begin",
      frame(nq::Cmd::FetchBegin, 6, nq::Writer().u32(uint32_t(stream.size())).u32(crc).b, 0, true));
  std::vector<uint8_t> packed;
  nq::appendPackedChunk(packed, stream);
  put(replies, "fetch-chunk-packed", frame(nq::Cmd::FetchChunk, 7, packed, 0, true));
  put(replies, "fetch-chunk-raw", frame(nq::Cmd::FetchChunk, 8, stream, 0, true));
  put(replies, "overlapping-headers", overlap);

  const std::string bmp = root + "/bitmap";
  put(bmp, "rgb24-16x8", nq::encodeBmp24(sample(16, 8)));
  put(bmp, "rgb24-1x1", nq::encodeBmp24(sample(1, 1)));
  // RLE8, 4 x 2, two palette entries: a run, an end of line, a delta, a literal run, the end.
  std::vector<uint8_t> rle(62, 0);
  rle[0] = 'B', rle[1] = 'M', rle[10] = 62, rle[14] = 40, rle[18] = 4, rle[22] = 2, rle[26] = 1;
  rle[28] = 8, rle[30] = 1, rle[46] = 2, rle[60] = 0xFF;
  for (uint8_t b : {2, 1, 0, 0, 0, 2, 1, 0, 0, 3, 1, 0, 1, 0, 0, 1}) rle.push_back(b);
  put(bmp, "rle8-4x2", rle);
  return 0;
}
