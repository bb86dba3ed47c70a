#pragma once
// The 20-byte GameFileHeader and the magic test shared by every reader.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace qrl {

inline constexpr size_t GameFileHeaderSize = 20;

inline constexpr std::string_view MagicKxqrlV100 = "KXQRL_SAVE_V100";
inline constexpr std::string_view MagicKxqrlV101 = "KXQRL_SAVE_V101";
inline constexpr std::string_view MagicBrund2 = "BRUND2_SAVE_V100";
inline constexpr std::string_view MagicBrund3 = "BRUND3_SAVE_V100";

// The line buffers of the magic test: 31 characters in both programs' loaders,
// 20 in the older-map conversions.
inline constexpr size_t MagicLineBuffer = 31;
inline constexpr size_t OldMagicLineBuffer = 20;

// The first line as the C runtime's line reader delivers it into a buffer of
// bufferSize characters: at most bufferSize - 1 bytes, ending after a line
// feed, cut at the first NUL (the buffer is then compared as a C string).
std::string FirstLineAsCString(std::span<const uint8_t> file, size_t bufferSize = MagicLineBuffer);

// True when the file's first line, read as above, equals the magic. A magic
// followed by anything but NUL (a blank, a line end) does not match.
bool FirstLineIs(std::span<const uint8_t> file, std::string_view magic, size_t bufferSize = MagicLineBuffer);

// Either current-generation magic.
bool HasCurrentGameMagic(std::span<const uint8_t> file);

}  // namespace qrl
