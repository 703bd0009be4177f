// TIniFile against real private-profile files.
#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"
#include "toolkit/IniFiles.h"

using pelmar::testing::TempFolder;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string path = folder / "Settings.INI";
    TIniFile ini{path};

    void Given(const std::string& text) { folder.Write("Settings.INI", text); }
    std::string Text() const { return TempFolder::Read(folder / "Settings.INI"); }
};

TEST_F(IniFileTest, MissingFileGivesDefaultsAndStaysMissing) {
    EXPECT_EQ(ini.ReadString("WindowState", "Left", "none"), "none");
    EXPECT_EQ(ini.ReadInteger("WindowState", "Left", 50), 50);
    EXPECT_TRUE(ini.ReadBool("FormSettings", "chkSkins", true));
    EXPECT_FALSE(ini.ReadBool("FormSettings", "radHintsOff", false));
    EXPECT_FALSE(ini.SectionExists("WindowState"));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(IniFileTest, NamesMatchWhateverTheirLetterCase) {
    Given("[WINDOWSTATE]\r\nLEFT=120\r\n[formsettings]\r\nleft=7\r\n");
    EXPECT_EQ(ini.ReadInteger("WindowState", "Left", 50), 120);
    EXPECT_EQ(ini.ReadInteger("FormSettings", "LEFT", 350), 7);
    EXPECT_TRUE(ini.ValueExists("windowstate", "left"));
    EXPECT_TRUE(ini.SectionExists("FormSettings"));
}

TEST_F(IniFileTest, ValuesLoseSurroundingBlanksAndOnePairOfQuotes) {
    Given("[S]\r\nplain =  spaced out  \r\nquoted=\"  inner  \"\r\nsingle='x'\r\nhalf=\"open\r\n"
          "nested=\"\"twice\"\"\r\nempty=\r\n");
    EXPECT_EQ(ini.ReadString("S", "plain", "?"), "spaced out");
    EXPECT_EQ(ini.ReadString("S", "quoted", "?"), "  inner  ");
    EXPECT_EQ(ini.ReadString("S", "single", "?"), "x");
    EXPECT_EQ(ini.ReadString("S", "half", "?"), "\"open");
    EXPECT_EQ(ini.ReadString("S", "nested", "?"), "\"twice\"");
    EXPECT_EQ(ini.ReadString("S", "empty", "?"), "");
}

TEST_F(IniFileTest, LongValuesAreCutAt2047Characters) {
    Given("[S]\r\nlong=" + std::string(3000, 'a') + "\r\n");
    EXPECT_EQ(ini.ReadString("S", "long", ""), std::string(2047, 'a'));
}

TEST_F(IniFileTest, IntegersInDecimalAndHexadecimal) {
    Given("[N]\r\ndec=4000\r\nneg=-7\r\nhex0x=0x1F40\r\nhexX=0X10\r\ndollar=$FA0\r\nallOnes=$FFFFFFFF\r\n"
          "bare0x=0x\r\nbareDollar=$\r\nword=yes\r\ntrailing=12abc\r\nblank= 42 \r\ntooBig=2147483648\r\n"
          "smallest=-2147483648\r\ndoubleSign=--3\r\nfraction=1.5\r\n");
    const std::pair<const char*, int> expected[] = {
        {"dec", 4000},       {"neg", -7},         {"hex0x", 8000},  {"hexX", 16},
        {"dollar", 4000},    {"allOnes", -1},     {"bare0x", -99},  {"bareDollar", -99},
        {"word", -99},       {"trailing", -99},   {"blank", 42},    {"tooBig", -99},
        {"smallest", INT32_MIN}, {"doubleSign", -99}, {"fraction", -99}, {"missing", -99},
    };
    for (const auto& [key, value] : expected) EXPECT_EQ(ini.ReadInteger("N", key, -99), value) << key;
}

TEST_F(IniFileTest, BooleansAreNumbers) {
    Given("[B]\r\none=1\r\nzero=0\r\nfive=5\r\nword=yes\r\n");
    EXPECT_TRUE(ini.ReadBool("B", "one", false));
    EXPECT_FALSE(ini.ReadBool("B", "zero", true));
    EXPECT_TRUE(ini.ReadBool("B", "five", false));
    EXPECT_TRUE(ini.ReadBool("B", "word", true));
    EXPECT_FALSE(ini.ReadBool("B", "word", false));
}

TEST_F(IniFileTest, WritesCreateTheFileInCallOrder) {
    ini.WriteInteger("WindowState", "Left", 50);
    ini.WriteInteger("WindowState", "Top", -3);
    ini.WriteBool("WindowState", "Maximized", false);
    ini.WriteBool("FormSettings", "chkSkins", true);
    ini.WriteString("FormSettings", "name", "a b");
    ini.UpdateFile();
    EXPECT_EQ(Text(), "[WindowState]\r\nLeft=50\r\nTop=-3\r\nMaximized=0\r\n[FormSettings]\r\nchkSkins=1\r\nname=a b\r\n");
}

// Writing replaces a key's line in place, appends new keys to their own section, and leaves
// every line it does not know where it was.
TEST_F(IniFileTest, UnknownKeysSectionsAndCommentsSurviveAWrite) {
    Given("; our settings\r\n[WindowState]\r\nLeft=1\r\nColour=red\r\n[Other]\r\nkeep=me\r\n");
    ini.WriteInteger("windowstate", "LEFT", 99);
    ini.WriteInteger("WindowState", "Width", 750);
    ini.WriteString("Third", "new", "x");
    ini.UpdateFile();
    const std::string text = Text();
    const auto at = [&](const std::string& line) { return text.find(line); };
    EXPECT_NE(at("; our settings"), std::string::npos) << text;
    EXPECT_NE(at("Colour=red"), std::string::npos) << text;
    EXPECT_NE(at("keep=me"), std::string::npos) << text;
    EXPECT_EQ(at("Left=1"), std::string::npos) << text;
    EXPECT_LT(at("=99"), at("Colour=red")) << text;
    EXPECT_LT(at("Width=750"), at("[Other]")) << text;
    EXPECT_LT(at("keep=me"), at("[Third]")) << text;
    EXPECT_EQ(ini.ReadInteger("WindowState", "Left", 0), 99);
}

TEST_F(IniFileTest, RefusedWriteNamesTheFile) {
    const std::string unreachable = folder / "no such folder\\Pelmar.INI";
    TIniFile bad(unreachable);
    try {
        bad.WriteInteger("WindowState", "Left", 1);
        FAIL() << "write to a missing folder succeeded";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), "Unable to write to " + unreachable);
    }
    TIniFile folderNamed(folder.Path());
    EXPECT_THROW(folderNamed.WriteBool("S", "k", true), EIniFileException);
}

TEST_F(IniFileTest, ListingAndErasing) {
    Given("[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n[Empty]\r\n");
    TStringList list;
    ini.ReadSections(list);
    EXPECT_EQ(list.Text(), "A\r\nB\r\nEmpty\r\n");
    ini.ReadSection("a", list);
    EXPECT_EQ(list.Text(), "x\r\ny\r\n");
    ini.ReadSectionValues("A", list);
    EXPECT_EQ(list.Text(), "x=1\r\ny=2\r\n");
    EXPECT_FALSE(ini.SectionExists("Empty"));  // no keys
    EXPECT_FALSE(ini.ValueExists("A", "z"));

    ini.DeleteKey("A", "x");
    EXPECT_FALSE(ini.ValueExists("A", "x"));
    EXPECT_EQ(ini.ReadInteger("A", "y", 0), 2);
    ini.EraseSection("B");
    EXPECT_FALSE(ini.SectionExists("B"));
    EXPECT_EQ(ini.ReadInteger("B", "z", 0), 0);
}

TEST_F(IniFileTest, DeletingFromAMissingFileChangesNothing) {
    ini.DeleteKey("A", "x");
    ini.EraseSection("B");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(IniFileTest, ManySectionsAreListedInFull) {
    std::string text;
    for (int i = 0; i < 400; ++i) text += "[Section number " + std::to_string(i) + "]\r\nk=v\r\n";
    Given(text);
    TStringList list;
    ini.ReadSections(list);
    ASSERT_EQ(list.Count(), 400);
    EXPECT_EQ(list[399], "Section number 399");
}

}  // namespace
