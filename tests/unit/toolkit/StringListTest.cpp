// Lines, sorting, Name=Value pairs, comma text, files and streams.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "toolkit/Classes.h"

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("pelmar_strings_" + name)).string();
}

}  // namespace

TEST(StringList, TextSplitsEveryLineBreakAndJoinsWithCrLf) {
    TStringList list;
    list.SetText("one\r\ntwo\rthree\nfour");
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list[2], "three");
    EXPECT_EQ(list.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");

    list.SetText("a\r\n");  // the empty last line is not counted
    EXPECT_EQ(list.Count(), 1);
    list.SetText("a\r\n\r\n");  // but an empty line before it is
    EXPECT_EQ(list.Count(), 2);
    list.SetText("\n\r");  // LF then a lone CR: two empty lines
    EXPECT_EQ(list.Count(), 2);
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Text(), "");
}

TEST(StringList, InsertDeleteMoveAndBounds) {
    TStringList list;
    list.Add("b");
    list.Insert(0, "a");
    list.Add("c");
    list.Move(0, 2);
    EXPECT_EQ(list.CommaText(), "b,c,a");
    list.Delete(1);
    EXPECT_EQ(list.CommaText(), "b,a");
    EXPECT_THROW(list.Get(2), EStringListError);
    EXPECT_THROW(list.Delete(-1), EStringListError);
    EXPECT_THROW(list.Insert(3, "x"), EStringListError);
    EXPECT_EQ(list.IndexOf("A"), 1);
    EXPECT_EQ(list.IndexOf("zz"), -1);
}

TEST(StringList, ObjectsTravelWithTheirLines) {
    TStringList list;
    TStringList o1, o2;
    list.AddObject("x", &o1);
    list.AddObject("y", &o2);
    list.Move(1, 0);
    EXPECT_EQ(list.Objects(0), &o2);
    EXPECT_EQ(list.IndexOfObject(&o1), 1);
}

TEST(StringList, SortedKeepsOrderAndHonoursDuplicates) {
    TStringList list;
    list.SetSorted(true);
    for (const char* s : {"pear", "Apple", "fig", "apple"}) list.Add(s);
    EXPECT_EQ(list.CommaText(), "Apple,fig,pear");  // dupIgnore, case-insensitive
    EXPECT_THROW(list.Insert(0, "z"), EStringListError);

    list.SetDuplicates(dupError);
    EXPECT_THROW(list.Add("FIG"), EStringListError);
    EXPECT_EQ(list.Count(), 3);

    list.SetDuplicates(dupAccept);
    list.Add("fig");
    EXPECT_EQ(list.Count(), 4);
    int index = -1;
    EXPECT_TRUE(list.Find("FIG", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(list.Find("grape", index));
    EXPECT_EQ(index, 3);

    TStringList cs;
    cs.SetCaseSensitive(true);
    cs.SetSorted(true);
    cs.Add("b");
    cs.Add("B");
    cs.Add("a");
    EXPECT_EQ(cs.CommaText(), "B,a,b");
}

TEST(StringList, NameValuePairs) {
    TStringList list;
    list.SetText("TRzButton=button\r\nplain line\r\nTcxGroupbox=groupbox=x\r\n");
    EXPECT_EQ(list.IndexOfName("trzbutton"), 0);
    EXPECT_EQ(list.Values("TCXGROUPBOX"), "groupbox=x");
    EXPECT_EQ(list.Names(1), "");
    EXPECT_EQ(list.Values("missing"), "");
    list.SetValue("TRzButton", "bitbtn");
    list.SetValue("New", "panel");
    EXPECT_EQ(list[0], "TRzButton=bitbtn");
    EXPECT_EQ(list[3], "New=panel");
    list.SetValue("New", "");
    EXPECT_EQ(list.Count(), 3);
}

TEST(StringList, CommaTextQuotesWhatNeedsIt) {
    TStringList list;
    list.Add("plain");
    list.Add("two words");
    list.Add("say \"hi\"");
    list.Add("");
    const std::string text = list.CommaText();
    EXPECT_EQ(text, "plain,\"two words\",\"say \"\"hi\"\"\",\"\"");
    TStringList back;
    back.SetCommaText(text);
    EXPECT_EQ(back.Lines(), list.Lines());
    back.SetCommaText("a b, c");
    EXPECT_EQ(back.Lines(), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(StringList, ChangeEventsOncePerBatch) {
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.Add("a");
    EXPECT_EQ(changes, 1);
    list.SetText("x\r\ny\r\nz");
    EXPECT_EQ(changes, 2);
}

TEST(StringList, FilesRoundTripAndReportErrors) {
    const std::string path = TempPath("roundtrip.txt");
    TStringList list;
    list.SetText("alpha\nbeta");
    list.SaveToFile(path);
    EXPECT_EQ(ReadBytes(path), "alpha\r\nbeta\r\n");
    TStringList back;
    back.LoadFromFile(path);
    EXPECT_EQ(back.Lines(), list.Lines());
    std::remove(path.c_str());

    const std::string missing = TempPath("no/such/dir/file.txt");
    try {
        back.LoadFromFile(missing);
        FAIL() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message().rfind("Cannot open file \"" + missing + "\". ", 0), 0u) << e.Message();
        EXPECT_GT(e.Message().size(), ("Cannot open file \"" + missing + "\". ").size());
    }
    EXPECT_EQ(back.Count(), 2);  // a failed load changes nothing
    EXPECT_THROW(list.SaveToFile(missing), EFCreateError);
}

TEST(StringList, ARefusedSaveLeavesTheOldFileWhole) {
    const std::string path = TempPath("readonly.txt");
    TStringList list;
    list.SetText("old");
    list.SaveToFile(path);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    list.SetText("new");
    EXPECT_THROW(list.SaveToFile(path), EFCreateError);
    EXPECT_EQ(ReadBytes(path), "old\r\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    std::remove(path.c_str());
}

TEST(Streams, MemoryStreamReadsWritesAndSeeks) {
    TMemoryStream s;
    s.WriteInt32(-2);
    s.WriteBuffer("abc", 3);
    EXPECT_EQ(s.Size(), 7);
    s.SetPosition(0);
    EXPECT_EQ(s.ReadInt32(), -2);
    char buf[8] = {};
    EXPECT_EQ(s.Read(buf, 8), 3);
    EXPECT_STREQ(buf, "abc");
    EXPECT_THROW(s.ReadBuffer(buf, 1), EReadError);
    s.Seek(-1, soEnd);
    EXPECT_EQ(s.Position(), 6);

    TMemoryStream copy;
    copy.CopyFrom(s, 0);
    EXPECT_EQ(copy.Bytes(), s.Bytes());
    s.SetSize(2);
    EXPECT_EQ(s.Size(), 2);
    EXPECT_EQ(s.Position(), 2);
}

TEST(Streams, FileStreamRoundTrip) {
    const std::string path = TempPath("stream.bin");
    {
        TFileStream out(path, fmCreate);
        out.WriteInt32(0x01020304);
    }
    TMemoryStream in;
    in.LoadFromFile(path);
    EXPECT_EQ(in.Bytes(), (std::vector<std::uint8_t>{4, 3, 2, 1}));
    std::remove(path.c_str());
}
