#pragma once
// Comment files: a short description kept beside a game file under the same
// name with the extension ".cmt". QrlEd writes them as 200 bytes, the text
// zero-filled; readers take at most the first 199 bytes, up to the first zero.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qrl::scen {

inline constexpr size_t CommentFileSize = 200;
inline constexpr size_t MaxCommentBytes = 199;
inline constexpr std::string_view CommentExtension = ".cmt";
// The extension a game file's name is taken to have: the four characters from
// the last "." on are replaced, whatever they are.
inline constexpr size_t ReplacedExtensionLength = 4;

// The comment file of a game file: from the last "." of the file name (never
// of a folder name) four characters are deleted, fewer when the name ends
// sooner, and ".cmt" is appended; a file name without "." gets ".cmt"
// appended. "/games/scen001.dat" -> "/games/scen001.cmt", "x.dat2" ->
// "x2.cmt", "a.data" -> "aa.cmt", "/home/my.games/scen" -> "/home/my.games/scen.cmt".
std::string CommentFileName(std::string_view path);

// The comment a comment file holds: its first 199 bytes at most, up to the
// first zero byte (Windows-1252 bytes).
std::string ReadCommentText(std::span<const uint8_t> file);

// A comment file as QrlEd saves it: exactly 200 bytes.
struct EncodedComment {
  std::vector<uint8_t> Bytes;
  bool Cut = false;  // the text held more than 199 bytes; only the first 199 were kept
};

// The file for a memo's text (Windows-1252 bytes; lines end in LF or CR LF,
// both written as CR LF): at most 199 text bytes, then zeros, so a reader
// always finds the text's end inside the file.
EncodedComment EncodeCommentFile(std::string_view text);

}  // namespace qrl::scen
