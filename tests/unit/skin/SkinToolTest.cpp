// pelmar-skin's commands on real files in a scratch folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

#include "skin/SkinRead.h"
#include "skin/SkinWrite.h"
#include "tests/unit/skin/SkinFiles.h"
#include "tools/pelmar-skin/SkinTool.h"

namespace {

namespace fs = std::filesystem;
using namespace skintest;

class SkinToolTest : public ::testing::Test {
 protected:
  SkinToolTest() {
    std::random_device seed;
    root = fs::temp_directory_path() / ("pelmar-skin-test-" + std::to_string(seed()));
    fs::create_directories(root);
  }
  ~SkinToolTest() override { fs::remove_all(root); }

  int Run(const std::vector<std::string>& args) {
    std::ostringstream outStream;
    std::ostringstream errStream;
    const int code = skintool::RunSkinTool(args, outStream, errStream);
    out = outStream.str();
    err = errStream.str();
    return code;
  }

  std::string Path(const std::string& relative) const { return (root / relative).string(); }

  void Write(const std::string& relative, const std::string& content) const {
    fs::create_directories((root / relative).parent_path());
    std::ofstream(root / relative, std::ios::binary) << content;
  }
  void Write(const std::string& relative, const Bytes& content) const {
    Write(relative, std::string(content.begin(), content.end()));
  }

  std::string Read(const std::string& relative) const {
    std::ifstream file(root / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }

  void MakeSkinFolder() const {
    Write("src/Skin.INI", "[Buttons]\r\nBitmap=left.bmp\r\n");
    Write("src/Left.BMP", "BM-left");
    Write("src/empty.bmp", "");
    fs::create_directories(root / "src" / "notes");
  }

  fs::path root;
  std::string out;
  std::string err;
};

TEST_F(SkinToolTest, PackListUnpackRoundTrip) {
  MakeSkinFolder();
  ASSERT_EQ(Run({"pack", Path("src"), Path("a.skn")}), 0) << err;
  EXPECT_NE(err.find("skipping the folder \"notes\""), std::string::npos);

  ASSERT_EQ(Run({"list", Path("a.skn")}), 0) << err;
  EXPECT_EQ(out, "empty.bmp\t0\nleft.bmp\t7\nskin.ini\t28\n");

  ASSERT_EQ(Run({"unpack", Path("a.skn"), Path("out/deeper")}), 0) << err;
  EXPECT_EQ(Read("out/deeper/skin.ini"), "[Buttons]\r\nBitmap=left.bmp\r\n");
  EXPECT_EQ(Read("out/deeper/left.bmp"), "BM-left");
  EXPECT_TRUE(fs::exists(root / "out/deeper/empty.bmp"));
  EXPECT_EQ(std::distance(fs::directory_iterator(root / "out/deeper"), fs::directory_iterator{}), 3);
}

TEST_F(SkinToolTest, PackingIntoTheFolderItselfLeavesTheOldSkinOut) {
  MakeSkinFolder();
  ASSERT_EQ(Run({"pack", Path("src"), Path("src/skin.skn")}), 0) << err;
  ASSERT_EQ(Run({"pack", Path("src"), Path("src/skin.skn")}), 0) << err;
  EXPECT_NE(err.find("skipping \"skin.skn\""), std::string::npos);
  ASSERT_EQ(Run({"list", Path("src/skin.skn")}), 0);
  EXPECT_EQ(out.find("skin.skn"), std::string::npos);
}

TEST_F(SkinToolTest, DecodeWritesTheContainer) {
  MakeSkinFolder();
  ASSERT_EQ(Run({"pack", Path("src"), Path("a.skn"), "--version", "40000"}), 0);
  ASSERT_EQ(Run({"decode", Path("a.skn"), Path("a.bin")}), 0) << err;
  const std::string container = Read("a.bin");
  const std::string skin = Read("a.skn");
  EXPECT_EQ(container.size(), static_cast<std::size_t>(TSkinReader::DeclaredSize(ToBytes(skin))));
  EXPECT_EQ(container.substr(0, 4), std::string("\x40\x9C\x00\x00", 4));  // 40000
  EXPECT_NE(container.find("empty.bmp\r\nLeft.BMP\r\nSkin.INI\r\n"), std::string::npos);

  // A truncated skin still decodes to its declared size, the front intact.
  Write("cut.skn", skin.substr(0, skin.size() / 2));
  ASSERT_EQ(Run({"decode", Path("cut.skn"), Path("cut.bin")}), 0) << err;
  EXPECT_EQ(Read("cut.bin").size(), container.size());
  EXPECT_EQ(Read("cut.bin").substr(0, 16), container.substr(0, 16));
}

TEST_F(SkinToolTest, CommandLineMistakesExitWithTwo) {
  MakeSkinFolder();
  EXPECT_EQ(Run({}), 2);
  EXPECT_NE(err.find("usage:"), std::string::npos);
  EXPECT_EQ(Run({"explode", "x"}), 2);
  EXPECT_EQ(Run({"list"}), 2);
  EXPECT_EQ(Run({"pack", Path("src")}), 2);
  EXPECT_EQ(Run({"pack", Path("src"), Path("a.skn"), "--version", "12345"}), 2);
  EXPECT_NE(err.find("unknown version \"12345\""), std::string::npos);
  EXPECT_EQ(Run({"pack", Path("src"), Path("a.skn"), "--version"}), 2);
  EXPECT_FALSE(fs::exists(root / "a.skn"));
}

TEST_F(SkinToolTest, BadFilesExitWithOneAndWriteNothing) {
  EXPECT_EQ(Run({"pack", Path("nowhere"), Path("a.skn")}), 1);
  EXPECT_NE(err.find("is not a folder"), std::string::npos);
  EXPECT_EQ(Run({"list", Path("nowhere.skn")}), 1);
  EXPECT_NE(err.find("cannot read"), std::string::npos);

  Write("text.skn", "this is no skin file at all");
  EXPECT_EQ(Run({"list", Path("text.skn")}), 1);
  EXPECT_NE(err.find("not a skin file this program can read"), std::string::npos);

  Write("short.skn", "ab");
  EXPECT_EQ(Run({"decode", Path("short.skn"), Path("short.bin")}), 1);
  Write("negative.skn", std::string("\xFF\xFF\xFF\xFF", 4));
  EXPECT_EQ(Run({"decode", Path("negative.skn"), Path("negative.bin")}), 1);
  EXPECT_NE(err.find("negative size (-1)"), std::string::npos);
  Write("huge.skn", std::string("\xFF\xFF\xFF\x7F", 4));
  EXPECT_EQ(Run({"decode", Path("huge.skn"), Path("huge.bin")}), 1);
  EXPECT_FALSE(fs::exists(root / "short.bin"));
  EXPECT_FALSE(fs::exists(root / "negative.bin"));
  EXPECT_FALSE(fs::exists(root / "huge.bin"));
}

TEST_F(SkinToolTest, PackRefusesFoldersAReaderCouldNotUse) {
  struct Case {
    const char* name;
    std::function<void()> add;
    std::vector<std::string> said;
  };
  const auto large = [this] {
    Write("src/big.bmp", "");  // sparse, so the test stays small on disk
    fs::resize_file(root / "src/big.bmp", static_cast<std::uintmax_t>(TSkinReader::kDefaultMaxContainerSize) + 1);
  };
  const std::vector<Case> cases = {
      {"two definitions", [this] { Write("src/other.ini", "[Title]\r\n"); },
       {"2 definition files (\"other.ini\", \"Skin.INI\")"}},
      {"over the unpacked limit", large, {"67108864 bytes (64 MiB)", "cannot pack"}},
  };
  for (const Case& c : cases) {
    fs::remove_all(root / "src");
    MakeSkinFolder();
    c.add();
    EXPECT_EQ(Run({"pack", Path("src"), Path("a.skn")}), 1) << c.name;
    for (const std::string& text : c.said) EXPECT_NE(err.find(text), std::string::npos) << c.name << ": " << err;
    EXPECT_FALSE(fs::exists(root / "a.skn")) << c.name;
  }
}

TEST_F(SkinToolTest, UnpackRefusesNamesThatLeaveTheFolder) {
  for (const char* name : {"../evil.bmp", "sub/evil.bmp", "c:evil.bmp", "..", "back\\slash.bmp"}) {
    Write("evil.skn", BuildSkinFile(50000, {{"ok.bmp", ToBytes("ok")}, {name, ToBytes("evil")}}));
    EXPECT_EQ(Run({"unpack", Path("evil.skn"), Path("out")}), 1) << name;
    EXPECT_NE(err.find("not a plain file name"), std::string::npos) << name;
    EXPECT_FALSE(fs::exists(root / "out")) << name;
    EXPECT_FALSE(fs::exists(root / "evil.bmp")) << name;
  }
}

TEST_F(SkinToolTest, DamagedSkinsListAndUnpackWhatIsThere) {
  RawContainer c = Container("a.bmp\r\nb.bmp\r\nA.BMP\r\n", {1, 9, 1}, "Ab");
  Write("damaged.skn", PackSkinFile(c.Build()));
  EXPECT_EQ(Run({"list", Path("damaged.skn")}), 1);
  EXPECT_EQ(out, "a.bmp\t1\nb.bmp\t9\tmissing\na.bmp\t1\tmissing\n");
  EXPECT_NE(err.find("2 entries have no data (from \"b.bmp\" on)"), std::string::npos);
  EXPECT_EQ(Run({"unpack", Path("damaged.skn"), Path("out")}), 1);
  EXPECT_EQ(Read("out/a.bmp"), "A");
  EXPECT_FALSE(fs::exists(root / "out/b.bmp"));
}

TEST_F(SkinToolTest, UnpackWritesTheFirstOfDuplicateNames) {
  RawContainer c = Container("a.bmp\r\nA.BMP\r\n", {1, 1}, "12");
  Write("dup.skn", PackSkinFile(c.Build()));
  EXPECT_EQ(Run({"unpack", Path("dup.skn"), Path("out")}), 0) << err;
  EXPECT_EQ(Read("out/a.bmp"), "1");
  EXPECT_NE(err.find("skipping the second entry named \"a.bmp\""), std::string::npos);
}

}  // namespace
