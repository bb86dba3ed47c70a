#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>

#include "gamefile/fileio.h"
#include "tests/support/gamefilebuilder.h"

namespace qrl {
namespace {

using test::Bytes;

TEST(SafeSaveTest, ReplacesTheTargetAndLeavesNoTemporaryFile) {
  std::string dir = test::MakeTempFolder("safesave");
  std::string path = dir + "map.dat";
  test::WriteFile(path, {1, 2, 3});
  ::chmod(path.c_str(), 0600);
  ASSERT_TRUE(SafeSaveFile(path, Bytes{9, 8}));
  EXPECT_EQ(*ReadWholeFile(path), Bytes({9, 8}));
  struct stat st {};
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

TEST(SafeSaveTest, AFailedSaveLeavesTheOldFile) {
  std::string dir = test::MakeTempFolder("safesave");
  EXPECT_FALSE(SafeSaveFile(dir + "missing-folder/x.dat", Bytes{1}));
  EXPECT_FALSE(SafeSaveFile(dir, Bytes{1}));  // a folder is no file
  std::string path = dir + "keep.dat";
  test::WriteFile(path, {5});
  if (::geteuid() != 0) {  // root writes into read-only folders
    ::chmod(dir.c_str(), 0500);
    EXPECT_FALSE(SafeSaveFile(path, Bytes{6}));
    ::chmod(dir.c_str(), 0700);
    EXPECT_EQ(*ReadWholeFile(path), Bytes({5}));
  }
}

TEST(SafeSaveTest, AFailedWriteLeavesTheOldFile) {
  // A file size limit makes the writes fail as a full disk would.
  std::string dir = test::MakeTempFolder("safesave");
  std::string path = dir + "map.dat";
  test::WriteFile(path, {7, 7});
  ::signal(SIGXFSZ, SIG_IGN);
  rlimit old {};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 64;
  ::setrlimit(RLIMIT_FSIZE, &small);
  bool saved = SafeSaveFile(path, Bytes(1000, 1));
  ::setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_FALSE(saved);
  EXPECT_EQ(*ReadWholeFile(path), Bytes({7, 7}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

TEST(SafeSaveTest, ReplacesOnlyWritableRegularFilesAndSavesThroughLinks) {
  EXPECT_FALSE(SafeSaveFile("/dev/null", Bytes(4, 1)));
  std::string dir = test::MakeTempFolder("safesave");
  test::WriteFile(dir + "real.dat", {1});
  std::filesystem::create_symlink(dir + "real.dat", dir + "link.dat");
  ASSERT_TRUE(SafeSaveFile(dir + "link.dat", Bytes{2}));
  EXPECT_TRUE(std::filesystem::is_symlink(dir + "link.dat"));
  EXPECT_EQ(*ReadWholeFile(dir + "real.dat"), Bytes({2}));

  // A link whose file does not exist yet creates that file.
  std::filesystem::create_symlink(dir + "new.dat", dir + "dangling.dat");
  ASSERT_TRUE(SafeSaveFile(dir + "dangling.dat", Bytes{3}));
  EXPECT_TRUE(std::filesystem::is_symlink(dir + "dangling.dat"));
  EXPECT_EQ(*ReadWholeFile(dir + "new.dat"), Bytes({3}));

  if (::geteuid() != 0) {  // root may write read-only files
    test::WriteFile(dir + "readonly.dat", {4});
    ::chmod((dir + "readonly.dat").c_str(), 0444);
    EXPECT_FALSE(SafeSaveFile(dir + "readonly.dat", Bytes{5}));
    EXPECT_EQ(*ReadWholeFile(dir + "readonly.dat"), Bytes({4}));
  }
}

TEST(ReadWholeFileTest, RefusesFilesAboveTheLimit) {
  std::string dir = test::MakeTempFolder("read");
  test::WriteFile(dir + "f", Bytes(100'000, 1));
  EXPECT_EQ(ReadWholeFile(dir + "f")->size(), 100'000u);
  EXPECT_FALSE(ReadWholeFile(dir + "f", 99'999).has_value());
  EXPECT_FALSE(ReadWholeFile(dir).has_value());
  EXPECT_FALSE(ReadWholeFile(dir + "missing").has_value());
}

TEST(FindFileCaseBlindTest, PrefersTheExactNameThenAnyCase) {
  std::string dir = test::MakeTempFolder("case");
  test::WriteFile(dir + "TER01Z4.SHP", {1});
  EXPECT_EQ(FindFileCaseBlind(dir, "Ter01z4.shp"), dir + "TER01Z4.SHP");
  EXPECT_EQ(FindFileCaseBlind(dir, "Ter02z4.shp"), dir + "Ter02z4.shp");
  test::WriteFile(dir + "Ter01z4.shp", {2});
  EXPECT_EQ(FindFileCaseBlind(dir, "Ter01z4.shp"), dir + "Ter01z4.shp");
  // Without the folder's trailing "/"; of two case variants the first in byte order.
  std::string bare = dir.substr(0, dir.size() - 1);
  test::WriteFile(dir + "grid.BMP", {3});
  test::WriteFile(dir + "GRID.bmp", {3});
  EXPECT_EQ(FindFileCaseBlind(bare, "grid.bmp"), dir + "GRID.bmp");
  // Folders are found the same way.
  std::filesystem::create_directory(dir + "SHP");
  EXPECT_EQ(FindFileCaseBlind(dir, "Shp"), dir + "SHP");
}

TEST(PathTest, FolderAndName) {
  EXPECT_EQ(FolderOf("/a/b/c.dat"), "/a/b/");
  EXPECT_EQ(FileNameOf("/a/b/c.dat"), "c.dat");
  EXPECT_EQ(FolderOf("c.dat"), "");
}

}  // namespace
}  // namespace qrl

namespace qrl {
namespace {

// Opening a pipe for reading waits for a writer; the readers must treat it,
// a folder or a missing name as a file that does not open, at once.
TEST(OpenRegularFileTest, OnlyRegularFilesOpen) {
  std::string dir = test::MakeTempFolder("regular");
  test::WriteFile(dir + "file.dat", {1, 2, 3});
  ASSERT_EQ(::mkfifo((dir + "pipe.cmt").c_str(), 0600), 0);
  ASSERT_EQ(::symlink((dir + "file.dat").c_str(), (dir + "link.dat").c_str()), 0);

  EXPECT_EQ(*ReadWholeFile(dir + "file.dat"), test::Bytes({1, 2, 3}));
  EXPECT_EQ(*ReadWholeFile(dir + "link.dat"), test::Bytes({1, 2, 3}));
  EXPECT_EQ(*ReadFileStart(dir + "file.dat", 2), test::Bytes({1, 2}));
  for (const std::string name : {"pipe.cmt", "", "missing.dat"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(ReadWholeFile(dir + name).has_value());
    EXPECT_FALSE(ReadFileStart(dir + name, 10).has_value());
    EXPECT_LT(OpenRegularFileForReading(dir + name), 0);
  }
}

TEST(OpenRegularFileTest, ALargerFileThanAllowedIsNotRead) {
  std::string dir = test::MakeTempFolder("regular");
  test::WriteFile(dir + "four.dat", {1, 2, 3, 4});
  EXPECT_TRUE(ReadWholeFile(dir + "four.dat", 4).has_value());
  EXPECT_FALSE(ReadWholeFile(dir + "four.dat", 3).has_value());
  EXPECT_EQ(*ReadFileStart(dir + "four.dat", 3), test::Bytes({1, 2, 3}));
}

}  // namespace
}  // namespace qrl
