// Any bytes as a comment file: the comment reading rule, the open-file
// window's annotation (from memory and through a listed folder), and the
// same bytes as a file name for the name rule and the mask match.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

#include "gamefile/fileio.h"
#include "scenarioeditor/core/commentfile.h"
#include "scenarioeditor/core/filelist.h"

using namespace qrl;
using namespace qrl::scen;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

const std::string& Folder() {
  static const std::string folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "qrl-fuzz-comment-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    const std::string f = pattern + "/";
    SafeSaveFile(f + "SCEN001.DAT", std::string("x"));
    return f;
  }();
  return folder;
}

// The comment file for the listing, as a new file by a plain write: the safe
// save's two fsyncs, or the flush some file systems make when a file is cut
// and written again, would cost more than all the rest of a run. The listing
// reads the file the same way whichever way it was written.
void WriteCommentFile(const std::string& path, std::span<const uint8_t> bytes) {
  std::filesystem::remove(path);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  out.close();
  if (!out) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  const std::string comment = ReadCommentText(bytes);
  Check(comment.size() <= MaxCommentBytes && comment.find('\0') == std::string::npos);
  const QString listed = ListedComment(bytes);
  Check(listed.size() <= qsizetype(MaxListedCommentBytes));
  for (QChar c : listed) Check(c.unicode() >= 0x20 && !(c.unicode() >= 0x7F && c.unicode() <= 0x9F));

  const std::string name(reinterpret_cast<const char*>(data), std::min<size_t>(size, 300));
  const std::string commentName = CommentFileName(name);
  Check(commentName.size() >= 4 && commentName.ends_with(".cmt"));
  IsScenarioName(name);
  MaskMatches(name, "SCEN001.DAT");
  MaskMatches("*.dat", name);
  AnnotatedItemText(name, std::vector<uint8_t>(bytes.begin(), bytes.end()));

  WriteCommentFile(Folder() + "SCEN001.cmt", bytes);
  const std::vector<FileListItem> items = ListFolder(Folder(), "*.dat");
  Check(items.size() == 1 && items[0].FileName == "SCEN001.DAT");
  Check(items[0].Text == QStringLiteral("SCEN001.DAT -> ") + listed);
  Check(ChosenPath(Folder(), items, 0) == Folder() + "SCEN001.DAT");
  return 0;
}
