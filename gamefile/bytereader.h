#pragma once
// A read cursor over the bytes of a file held in memory, with the semantics of
// a buffered stream: reading past the end yields "end of file", never a byte
// from outside the span, and seeking past the end is allowed (reads then fail).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace qrl {

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> bytes) : Bytes(bytes) {}

  // The next byte, or -1 at the end (like fgetc).
  int ReadByte() { return Pos < Bytes.size() ? Bytes[Pos++] : -1; }

  // Four bytes little-endian; nullopt (and the cursor at the end) when fewer remain.
  std::optional<uint32_t> ReadLe32() {
    if (Remaining() < 4) {
      Pos = Bytes.size();
      return std::nullopt;
    }
    const uint8_t* p = Bytes.data() + Pos;
    Pos += 4;
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
  }

  // Copies up to n bytes to dest; returns how many were there.
  size_t ReadInto(uint8_t* dest, size_t n) {
    size_t take = n < Remaining() ? n : Remaining();
    for (size_t i = 0; i < take; ++i) dest[i] = Bytes[Pos + i];
    Pos += take;
    return take;
  }

  void Seek(uint64_t pos) { Pos = pos > Bytes.size() ? Bytes.size() + 1 : size_t(pos); }
  void Skip(uint64_t n) { Seek(uint64_t(Pos) + n); }
  size_t Position() const { return Pos; }
  size_t Remaining() const { return Pos < Bytes.size() ? Bytes.size() - Pos : 0; }
  bool AtEnd() const { return Pos >= Bytes.size(); }
  std::span<const uint8_t> All() const { return Bytes; }

 private:
  std::span<const uint8_t> Bytes;
  size_t Pos = 0;  // may stand one past the end after a seek beyond it
};

}  // namespace qrl
