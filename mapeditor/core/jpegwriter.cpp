#include "mapeditor/core/jpegwriter.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace qrl::map {

namespace {

constexpr int RgbComponents = 3;

// libjpeg's default error_exit calls exit(): ours jumps back to the encoder,
// which then reports a failure.
struct JumpingErrorManager {
  jpeg_error_mgr Base;  // first, so that the library's pointer is ours too
  std::jmp_buf Return;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
  auto* manager = reinterpret_cast<JumpingErrorManager*>(info->err);
  std::longjmp(manager->Return, 1);
}

// Warnings and traces go nowhere: a desktop program has no console to show them.
void IgnoreMessage(j_common_ptr, int) {}
void IgnoreOutput(j_common_ptr) {}

// Everything that lives across setjmp is set up before it and released after
// it, so the jump skips no destructor. Returns false on a library error; the
// memory destination may have allocated *buffer either way.
bool Compress(const QImage& rgb, int quality, jpeg_compress_struct& info, JumpingErrorManager& errors,
              unsigned char** buffer, unsigned long* size, std::vector<JSAMPLE>& row) {
  info.err = jpeg_std_error(&errors.Base);
  errors.Base.error_exit = JumpBack;
  errors.Base.emit_message = IgnoreMessage;
  errors.Base.output_message = IgnoreOutput;
  if (setjmp(errors.Return)) return false;

  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, buffer, size);
  info.image_width = JDIMENSION(rgb.width());
  info.image_height = JDIMENSION(rgb.height());
  info.input_components = RgbComponents;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(int(info.next_scanline)));
    for (int x = 0; x < rgb.width(); ++x) {
      row[size_t(RgbComponents * x + 0)] = JSAMPLE(qRed(line[x]));
      row[size_t(RgbComponents * x + 1)] = JSAMPLE(qGreen(line[x]));
      row[size_t(RgbComponents * x + 2)] = JSAMPLE(qBlue(line[x]));
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  return true;
}

}  // namespace

std::optional<std::vector<uint8_t>> EncodeJpeg(const QImage& picture, int quality) {
  if (picture.isNull()) return std::nullopt;
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  std::vector<JSAMPLE> row(size_t(RgbComponents) * size_t(rgb.width()));
  jpeg_compress_struct info{};
  JumpingErrorManager errors{};
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const bool done = Compress(rgb, std::clamp(quality, MinJpegQuality, MaxJpegQuality), info, errors, &buffer, &size, row);
  jpeg_destroy_compress(&info);
  std::optional<std::vector<uint8_t>> out;
  if (done && buffer) out.emplace(buffer, buffer + size);
  std::free(buffer);
  return out;
}

}  // namespace qrl::map
