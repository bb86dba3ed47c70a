#pragma once
// JPEG files of QrlMap's pictures, compressed by libjpeg: RGB rows, the
// library's defaults, the quality with baseline tables forced.
#include <QtGui/QImage>
#include <cstdint>
#include <optional>
#include <vector>

namespace qrl::map {

inline constexpr int MinJpegQuality = 1;
inline constexpr int MaxJpegQuality = 100;

// The whole file in memory, so that a failure writes nothing and the caller
// saves it safely. `quality` is clamped into [MinJpegQuality, MaxJpegQuality].
// nullopt for a null picture or any error libjpeg reports (it never ends the
// process).
std::optional<std::vector<uint8_t>> EncodeJpeg(const QImage& picture, int quality);

}  // namespace qrl::map
