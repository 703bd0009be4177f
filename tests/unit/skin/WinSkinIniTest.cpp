// TQuickIni: loading a definition text and looking sections and keys up in it.

#include <gtest/gtest.h>

#include "skin/WinSkinIni.h"
#include "tests/unit/skin/SkinFiles.h"

namespace {

using skintest::Fill;
using skintest::ToBytes;

TQuickIni IniOf(const std::string& text) {
  TMemoryStream stream;
  Fill(stream, ToBytes(text));
  TQuickIni ini;
  ini.LoadFromStream(&stream);
  return ini;
}

std::vector<std::string> SectionsOf(const TQuickIni& ini) {
  TStringList list;
  ini.ReadSections(&list);
  return list.Lines();
}

TEST(QuickIniLoad, DropsEmptyAndCommentLinesAndTrimsTheRest) {
  const TQuickIni ini = IniOf("  ; comment\r\n\r\n\t[Buttons]  \n \x01 Bitmap = b.bmp \rTile=1\r\n;x=1\n");
  EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[Buttons]", "Bitmap = b.bmp", "Tile=1"}));
  EXPECT_EQ(ini.SectionIndex("buttons"), 0);
}

TEST(QuickIniLoad, TakesTheTextFromTheStreamPositionUpToANul) {
  TMemoryStream stream;
  Fill(stream, ToBytes(std::string("[Skipped]\r\n[A]\r\nk=1\r\n\0[B]\r\n", 26)));
  stream.SetPosition(11);
  TQuickIni ini;
  ini.LoadFromStream(&stream);
  EXPECT_EQ(SectionsOf(ini), (std::vector<std::string>{"A"}));
  EXPECT_EQ(ini.ReadInteger("A", "k", 0), 1);
}

TEST(QuickIniLoad, ReplacesTheContentAndIgnoresAMissingStream) {
  TQuickIni ini = IniOf("[Old]\r\nk=1\r\n");
  ini.LoadFromStream(nullptr);
  EXPECT_EQ(ini.ReadInteger("Old", "k", 0), 1);
  TMemoryStream stream;
  Fill(stream, ToBytes("[New]\r\nk=2\r\n"));
  ini.LoadFromStream(&stream);
  EXPECT_EQ(ini.ReadInteger("Old", "k", 0), 0);
  EXPECT_EQ(ini.ReadInteger("New", "k", 0), 2);
}

TEST(QuickIniSections, ListsNamesWithoutBracketsTrimmed) {
  const TQuickIni ini = IniOf("[ Colours ]\r\n[Buttons]\r\nx=[not a section]\r\n[]\r\n[Buttons]\r\n");
  EXPECT_EQ(SectionsOf(ini), (std::vector<std::string>{"Colours", "Buttons", "", "Buttons"}));
}

TEST(QuickIniSections, ReadSectionsWithoutAListFailsItsAssertion) {
  const TQuickIni ini = IniOf("[A]\r\n");
  try {
    ini.ReadSections(nullptr);
    FAIL() << "no assertion failure";
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(e.Message(), "The parameter Strings is unassigned!");
  }
}

TEST(QuickIniSections, SectionIndexIgnoresCaseButNotInnerBlanks) {
  const TQuickIni ini = IniOf("[Personality]\r\na=1\r\n[ Buttons]\r\nb=2\r\n[buttons]\r\nc=3\r\n");
  EXPECT_EQ(ini.SectionIndex("PERSONALITY"), 0);
  EXPECT_EQ(ini.SectionIndex("Buttons"), 4);  // "[ Buttons]" does not match
  EXPECT_EQ(ini.SectionIndex("Colours"), -1);
}

TEST(QuickIniHelpers, KeyValueAndSectionOfALine) {
  EXPECT_EQ(TQuickIni::KeyOf(" FRAME = 3"), "frame");
  EXPECT_EQ(TQuickIni::KeyOf("no equals sign"), "");
  EXPECT_EQ(TQuickIni::KeyOf("a=b=c"), "a");
  EXPECT_EQ(TQuickIni::ValueOf("a= b=c ", "a"), "b=c");
  EXPECT_EQ(TQuickIni::ValueOf("a=b", "b"), "");
  EXPECT_EQ(TQuickIni::ValueOf("a=b", ""), "");
  EXPECT_EQ(TQuickIni::ValueOf("novalue", "novalue"), "");
  EXPECT_TRUE(TQuickIni::IsSection("  [x] "));
  EXPECT_FALSE(TQuickIni::IsSection("[x"));
  EXPECT_FALSE(TQuickIni::IsSection(""));
}

TEST(QuickIniReadString, FirstKeyOfTheFirstSectionIgnoringCase) {
  const TQuickIni ini = IniOf(
      "[Personality]\r\nframe = 3\r\nLeft=left.bmp ; the left side\r\nFrame=9\r\nEmpty=\r\n"
      "[Buttons]\r\nBitmap=b.bmp\r\n[PERSONALITY]\r\nTop=top.bmp\r\n");
  EXPECT_EQ(ini.ReadString("personality", "FRAME", "d"), "3");
  EXPECT_EQ(ini.ReadString("Personality", "Left", "d"), "left.bmp ; the left side");
  EXPECT_EQ(ini.ReadString("Personality", "Empty", "d"), "d");
  EXPECT_EQ(ini.ReadString("Personality", "Bitmap", "d"), "d");  // belongs to Buttons
  EXPECT_EQ(ini.ReadString("Personality", "Top", "d"), "d");     // repeated section unread
  EXPECT_EQ(ini.ReadString("Missing", "Frame", "d"), "d");
  EXPECT_EQ(IniOf("").ReadString("Personality", "Frame", "d"), "d");
}

TEST(QuickIniReadString, AnEmptyFirstOccurrenceStopsTheSearch) {
  const TQuickIni ini = IniOf("[S]\r\nkey=\r\nkey=second\r\n");
  EXPECT_EQ(ini.ReadString("S", "key", "default"), "default");
}

TEST(QuickIniReadInteger, NumbersAndWhatIsNotANumber) {
  const TQuickIni ini = IniOf(
      "[N]\r\ndec=42\r\nneg=-7\r\nplus=+5\r\nhex1=0x1F\r\nhex2=$1F\r\nhex3=0X1f\r\nonly0x=0x\r\n"
      "dollar=$\r\nword=abc\r\nmixed=12px\r\nsys=$FF000005\r\nbig=2147483648\r\nmin=-2147483648\r\n"
      "toohex=$100000000\r\nspaced=1 2\r\nempty=\r\n");
  EXPECT_EQ(ini.ReadInteger("N", "dec", -1), 42);
  EXPECT_EQ(ini.ReadInteger("N", "neg", -1), -7);
  EXPECT_EQ(ini.ReadInteger("N", "plus", -1), 5);
  EXPECT_EQ(ini.ReadInteger("N", "hex1", -1), 31);
  EXPECT_EQ(ini.ReadInteger("N", "hex2", -1), 31);
  EXPECT_EQ(ini.ReadInteger("N", "hex3", -1), 31);
  EXPECT_EQ(ini.ReadInteger("N", "only0x", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "dollar", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "word", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "mixed", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "sys", -1), static_cast<std::int32_t>(0xFF000005u));
  EXPECT_EQ(ini.ReadInteger("N", "big", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "min", -1), INT32_MIN);
  EXPECT_EQ(ini.ReadInteger("N", "toohex", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "spaced", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "empty", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "absent", 17), 17);
}

}  // namespace
