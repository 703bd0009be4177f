// The skin file reader: container versions, the name list, lookups, and what it does
// with damaged or hostile files.

#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "skin/SkinRead.h"
#include "skin/SkinWrite.h"
#include "tests/unit/skin/SkinFiles.h"

namespace {

using namespace skintest;

class SkinReadTest : public ::testing::Test {
 protected:
  SkinReadTest() {
    reader.SetWarning([this](const std::string& message) { warnings.push_back(message); });
  }

  bool LoadFile(const Bytes& file) {
    TMemoryStream raw;
    Fill(raw, file);
    return reader.LoadFromStream(raw);
  }
  bool Load(const RawContainer& container) { return LoadFile(PackSkinFile(container.Build())); }

  std::string Entry(const std::string& name) {
    TMemoryStream target;
    reader.GetEntry(name, target);
    EXPECT_EQ(target.Position(), 0);
    return std::string(target.Bytes().begin(), target.Bytes().end());
  }

  TSkinReader reader;
  std::vector<std::string> warnings;
};

RawContainer ThreeEntries() {
  return Container("SKIN.INI\r\nLeft.BMP\r\ntop.bmp\r\n", {5, 3, 4}, "[ini]LLLTTTT");
}

TEST_F(SkinReadTest, ReadsNamesInLowerCaseAndEntriesInOrder) {
  ASSERT_TRUE(Load(ThreeEntries()));
  EXPECT_EQ(reader.Names(), (std::vector<std::string>{"skin.ini", "left.bmp", "top.bmp"}));
  EXPECT_EQ(Entry("left.bmp"), "LLL");
  EXPECT_EQ(Entry("Left.bmp"), "LLL");
  EXPECT_EQ(Entry("TOP.BMP"), "TTTT");
  EXPECT_EQ(Entry("skin.ini"), "[ini]");
  EXPECT_EQ(Entry("missing.bmp"), "");
  EXPECT_TRUE(warnings.empty());
}

TEST_F(SkinReadTest, FindEntryMatchesAFragmentCaseSensitively) {
  ASSERT_TRUE(Load(ThreeEntries()));
  TMemoryStream target;
  std::string name = "unchanged";
  reader.FindEntry(".INI", target, name);
  EXPECT_EQ(target.Size(), 0);
  EXPECT_EQ(name, "unchanged");
  reader.FindEntry(".ini", target, name);
  EXPECT_EQ(name, "skin.ini");
  EXPECT_EQ(std::string(target.Bytes().begin(), target.Bytes().end()), "[ini]");
  EXPECT_EQ(target.Position(), 0);
  reader.FindEntry(".bmp", target, name);
  EXPECT_EQ(name, "left.bmp");
}

TEST_F(SkinReadTest, LookupsReplaceWhatTheTargetHeld) {
  ASSERT_TRUE(Load(ThreeEntries()));
  TMemoryStream target;
  Fill(target, ToBytes("old content, longer than the entry"));
  target.SetPosition(7);
  reader.GetEntry("top.bmp", target);
  EXPECT_EQ(target.Bytes(), ToBytes("TTTT"));
  EXPECT_EQ(target.Position(), 0);
  reader.GetEntry("nothing.bmp", target);
  EXPECT_EQ(target.Size(), 0);
}

TEST_F(SkinReadTest, LineBreaksOfTheNameList) {
  for (const char* names : {"a\r\nb\r\nc", "a\rb\rc\r", "a\nb\nc\n", "a\r\nb\nc\r"}) {
    RawContainer c = Container(names, {1, 1, 1}, "123");
    ASSERT_TRUE(Load(c)) << names;
    EXPECT_EQ(reader.Count(), 3) << names;
    EXPECT_EQ(Entry("c"), "3") << names;
  }
}

TEST_F(SkinReadTest, DuplicateNamesGiveTheFirst) {
  ASSERT_TRUE(Load(Container("a.bmp\r\nA.BMP\r\n", {1, 2}, "12")));
  EXPECT_EQ(Entry("a.bmp"), "1");
}

TEST_F(SkinReadTest, EmptyEntryIsFoundButEmpty) {
  ASSERT_TRUE(Load(Container("empty.ini\r\nnext.bmp\r\n", {0, 2}, "NB")));
  TMemoryStream target;
  std::string name;
  reader.FindEntry(".ini", target, name);
  EXPECT_EQ(name, "empty.ini");
  EXPECT_EQ(target.Size(), 0);
  EXPECT_EQ(Entry("next.bmp"), "NB");
}

TEST_F(SkinReadTest, TheFourVersionsGiveTheSameResult) {
  const std::vector<TSkinEntry> entries = {
      {"Skin.ini", ToBytes("[Personality]\r\nLeft=left.bmp\r\n")},
      {"left.bmp", Bytes(300, 0x42)},
      {"empty.bmp", {}},
  };
  for (std::int32_t version : {20000, 30000, 40000, 50000}) {
    ASSERT_TRUE(LoadFile(BuildSkinFile(version, entries))) << version;
    EXPECT_EQ(reader.Header().version, version);
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"skin.ini", "left.bmp", "empty.bmp"}));
    EXPECT_EQ(Entry("left.bmp"), std::string(300, 0x42)) << version;
    EXPECT_EQ(Entry("skin.ini"), "[Personality]\r\nLeft=left.bmp\r\n") << version;
  }
}

TEST_F(SkinReadTest, SkippedBlockContentIsIgnored) {
  for (auto [version, skipped] : {std::pair{30000, 256}, std::pair{40000, 80}, std::pair{50000, 48}}) {
    RawContainer c = ThreeEntries();
    c.version = version;
    c.skippedBlock = Bytes(static_cast<std::size_t>(skipped), '\n');  // would read as names
    ASSERT_TRUE(Load(c)) << version;
    EXPECT_EQ(reader.Count(), 3) << version;
    EXPECT_EQ(Entry("top.bmp"), "TTTT") << version;
  }
}

TEST_F(SkinReadTest, UnknownVersionIsRefusedWithTheMessage) {
  ASSERT_TRUE(Load(ThreeEntries()));
  RawContainer c = ThreeEntries();
  c.version = 10000;
  EXPECT_FALSE(Load(c));
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], "This is Older Skin File\rPlease update to new version !");
  EXPECT_EQ(reader.Count(), 0);
  EXPECT_EQ(Entry("top.bmp"), "");
}

TEST_F(SkinReadTest, FilesTooShortForAHeaderAreRefused) {
  for (const Bytes& file : {Bytes{}, Bytes{0x03}, PackSkinFile(Bytes{0x20, 0x4E, 0, 0, 1})}) {
    EXPECT_FALSE(LoadFile(file)) << file.size();
  }
  EXPECT_EQ(warnings.size(), 3u);
}

TEST_F(SkinReadTest, MoreThan1001NamesAreRefused) {
  RawContainer c;
  for (int i = 0; i < 1001; ++i) c.names += "n" + std::to_string(i) + "\r\n";
  c.sizes.assign(1001, 0);
  ASSERT_TRUE(Load(c));
  EXPECT_EQ(reader.Count(), 1001);

  c.names += "one.too.many\r\n";
  c.sizes.push_back(0);
  EXPECT_FALSE(Load(c));
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], TSkinReader::kOlderSkinMessage);
  EXPECT_EQ(reader.Count(), 0);
}

// Entries lie back to back: once one cannot be placed, neither can any after it. The
// last case's sizes wrap round a 32-bit sum to a small offset.
TEST_F(SkinReadTest, HostileSizesLeaveEntriesMissing) {
  struct Case {
    const char* what;
    std::vector<std::int32_t> sizes;
    const char* data;
    int present;
  };
  const Case cases[] = {
      {"b reaches one byte past the data", {2, 5, 1}, "AAbbb", 1},
      {"b is negative", {2, -1, 1}, "AABC", 1},
      {"a and b add up past 32 bits", {0x7FFFFFFF, 0x7FFFFFFF, 3}, "ccc", 0},
      {"all fit", {2, 1, 1}, "AABC", 3},
  };
  for (const Case& test : cases) {
    RawContainer c = Container("a\r\nb\r\nc\r\n", test.sizes, test.data);
    ASSERT_TRUE(Load(c)) << test.what;
    EXPECT_EQ(reader.PresentCount(), test.present) << test.what;
    for (int i = 0; i < 3; ++i) {
      const std::string name(1, static_cast<char>('a' + i));
      const bool present = i < test.present;
      EXPECT_EQ(Entry(name).size(), present ? static_cast<std::size_t>(test.sizes[i]) : 0u) << test.what << " " << name;
    }
  }
  EXPECT_EQ(Entry("a"), "AA");
  EXPECT_EQ(Entry("c"), "C");
}

TEST_F(SkinReadTest, TruncatedDirectoryLeavesEntriesMissing) {
  RawContainer c = ThreeEntries();
  Bytes container = c.Build();
  const std::size_t sizeTable = 16 + 48 + c.names.size();
  container.resize(sizeTable + 6);  // the first size and half of the second
  ASSERT_TRUE(LoadFile(PackSkinFile(container)));
  EXPECT_EQ(reader.Count(), 3);
  EXPECT_EQ(reader.PresentCount(), 0);  // the first has no data left

  RawContainer longNames = ThreeEntries();
  Bytes claimsMore = longNames.Build();
  claimsMore[4] = 0xFF;  // the name list claims more than the container holds
  claimsMore[5] = 0x7F;
  ASSERT_TRUE(LoadFile(PackSkinFile(claimsMore)));
  EXPECT_EQ(reader.PresentCount(), 0);
}

TEST_F(SkinReadTest, ImplausibleUnpackedSizeIsRefusedBeforeDecoding) {
  reader.SetMaxContainerSize(1000);
  Bytes file = PackSkinFile(ThreeEntries().Build());
  ASSERT_TRUE(LoadFile(file));
  file[0] = 0x01;
  file[1] = 0x10;  // 4097 bytes claimed
  EXPECT_FALSE(LoadFile(file));
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("4097"), std::string::npos);
}

TEST_F(SkinReadTest, ReloadingReplacesTheEntries) {
  ASSERT_TRUE(Load(ThreeEntries()));
  ASSERT_TRUE(Load(Container("x\r\n", {2}, "XY")));
  EXPECT_EQ(reader.Count(), 1);
  EXPECT_EQ(Entry("x"), "XY");
  EXPECT_EQ(Entry("top.bmp"), "");
}

TEST(SkinReadWarning, GoesToThePlatformWarningBoxUnlessReplaced) {
  std::vector<std::string> shown;
  auto previous = pelmar::platform::SetWarningSink(
      [&](const std::string& title, const std::string& text) { shown.push_back(title + "|" + text); });
  RawContainer c = ThreeEntries();
  c.version = 0;
  TSkinReader reader;
  TMemoryStream raw;
  Fill(raw, PackSkinFile(c.Build()));
  EXPECT_FALSE(reader.LoadFromStream(raw));
  pelmar::platform::SetWarningSink(previous);
  EXPECT_EQ(shown, (std::vector<std::string>{"Pelmar|This is Older Skin File\rPlease update to new version !"}));
}

TEST(SkinReadDecompress, WritesExactlyTheDeclaredSize) {
  const Bytes container = ThreeEntries().Build();
  TMemoryStream source;
  TMemoryStream target;
  Fill(source, PackSkinFile(container));
  TSkinReader::Decompress(source, target);
  EXPECT_EQ(target.Bytes(), container);
  EXPECT_EQ(target.Position(), 0);

  Bytes negative = PackSkinFile(container);
  negative[3] = 0x80;
  Fill(source, negative);
  TSkinReader::Decompress(source, target);
  EXPECT_EQ(target.Size(), 0);
}

TEST(SkinWrite, RefusesWhatAReaderCouldNotGiveBack) {
  const Bytes one{1};
  EXPECT_THROW(BuildSkinContainer(45000, {{"a", one}}), ESkinWriteError);
  EXPECT_THROW(BuildSkinContainer(50000, {{"a.bmp", one}, {"A.bmp", one}}), ESkinWriteError);
  EXPECT_THROW(BuildSkinContainer(50000, {{"bad\nname", one}}), ESkinWriteError);
  EXPECT_THROW(BuildSkinContainer(50000, {{"", one}}), ESkinWriteError);
  std::vector<TSkinEntry> many(1002);
  for (std::size_t i = 0; i < many.size(); ++i) many[i].name = "e" + std::to_string(i);
  EXPECT_THROW(BuildSkinContainer(50000, many), ESkinWriteError);
  many.pop_back();
  EXPECT_NO_THROW(BuildSkinContainer(50000, many));
  // Version 20000 with the one name "a": 16 header bytes, "a" CR LF and one size.
  const std::size_t fits = TSkinReader::kDefaultMaxContainerSize - 16 - 3 - 4;
  EXPECT_EQ(BuildSkinContainer(20000, {{"a", Bytes(fits)}}).size(), TSkinReader::kDefaultMaxContainerSize);
  EXPECT_THROW(BuildSkinContainer(20000, {{"a", Bytes(fits + 1)}}), ESkinWriteError);
}

TEST(SkinWrite, LaysOutTheContainerField_by_field) {
  const Bytes container = BuildSkinContainer(30000, {{"Ab.ini", ToBytes("xyz")}});
  RawContainer expected;
  expected.version = 30000;
  expected.skippedBlock = Bytes(256, 0);
  expected.names = "Ab.ini\r\n";
  expected.sizes = {3};
  expected.data = ToBytes("xyz");
  Bytes built = expected.Build();
  std::fill(built.begin() + 8, built.begin() + 16, 0);  // the writer leaves these zero
  EXPECT_EQ(container, built);
}

}  // namespace
