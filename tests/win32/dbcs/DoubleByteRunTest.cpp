// Runs under a double-byte ANSI code page (932, Japanese), where a character may take two
// bytes whose second one has the code of "\" (as in "表", "ソ" and "能") or of a letter:
// file and folder names, log lines, the current-file box, the status bar's progress and
// the keyword list all carry such text whole. CTest runs this program under a Japanese
// locale, from which Wine takes code page 932.
#include <functional>
#include <string>
#include <vector>

#include "platform/AnsiText.h"
#include "tests/win32/mainform/MainFormFixture.h"

namespace {

// `text` in the ANSI code page.
std::string Ansi(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::string Tagged(const std::string& phrase) { return "<p>\r\n<img src=\"a.png\" alt=\"" + phrase + "\" width=\"5\">\r\n</p>"; }

}  // namespace

class DoubleByteRunTest : public MainFormTest {
protected:
    const std::string phrase = Ansi(L"日本語の説明");

    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "run under a Japanese locale (LC_ALL=ja_JP.UTF-8)";
        MainFormTest::SetUp();
        WriteFile(appDir + "Keywords.txt", phrase + "\n");
    }

    // What the status bar showed each time it was painted during `run`.
    std::vector<std::string> PaintedProgress(const std::function<void()>& run) {
        MainForm->Show();
        Application->ProcessMessages();
        TStatusBar* bar = MainForm->StatBar;
        std::vector<std::string> painted;
        const TWndMethod previous = bar->WindowProc;
        bar->WindowProc = [&, previous](TMessage& m) {
            if (m.Msg == WM_PAINT) painted.push_back(bar->SimpleText());
            previous(m);
        };
        run();
        bar->WindowProc = previous;
        return painted;
    }
};

TEST_F(DoubleByteRunTest, F10TakesFoldersAndFilesWhoseNamesHoldDoubleByteCharacters) {
    const std::string top = work + Ansi(L"能力.html");
    const std::string deep = work + Ansi(L"表示\\ソ\\ソフト.html");
    MakeFolder(work + Ansi(L"表示"));
    MakeFolder(work + Ansi(L"表示\\ソ"));
    WriteFile(top, kOneTag);
    WriteFile(deep, kOneTag);
    Start(false);
    Browse(work);
    const std::vector<std::string> painted = PaintedProgress([this] { PressF10(); });

    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"1 tags replaced in " + top, "1 tags replaced in " + deep}));
    EXPECT_EQ(ReadFile(top), Tagged(phrase));
    EXPECT_EQ(ReadFile(deep), Tagged(phrase));
    EXPECT_EQ(MainForm->Mmo->Text(), Tagged(phrase));
    EXPECT_EQ(tones.size(), 2u);
    ASSERT_FALSE(painted.empty());
    EXPECT_EQ(painted.front(), "Processing 1 of 2: " + top);
}

TEST_F(DoubleByteRunTest, F9InAFolderWhoseNameEndsInADelimiterCode) {
    const std::string folder = work + Ansi(L"ソ\\");
    MakeFolder(folder);
    WriteFile(folder + Ansi(L"表.html"), kOneTag);
    Start(false);
    Browse(folder);
    PressF9();

    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"1 tags replaced in " + Ansi(L"表.html")}));
    EXPECT_EQ(ReadFile(folder + Ansi(L"表.html")), Tagged(phrase));
}

TEST_F(DoubleByteRunTest, CurrentFileBoxCountsCharactersNotBytes) {
    const std::string text = Ansi(std::wstring(40, L'語')) + kOneTag;
    WriteFile(work + "a.html", text);
    Start(false);
    Browse(work);
    // Room for the rewritten text's characters, far less than its bytes.
    const std::string done = Ansi(std::wstring(40, L'語')) + Tagged(phrase);
    MainForm->Mmo->SetMaxLength(static_cast<int>(done.size()) - 40);
    PressF9();

    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(ReadFile(work + "a.html"), done);
    EXPECT_EQ(MainForm->Mmo->Text(), done);
}

TEST_F(DoubleByteRunTest, KeywordsLoadSaveAndKeepTheirLongestLinesWholeCharacters) {
    const std::string longLine = Ansi(std::wstring(5000, L'語'));
    WriteFile(appDir + "Keywords.txt", longLine + "\n" + phrase);
    WriteFile(work + "a.html", kOneTag);
    Start(false);
    Browse(work);
    Click(MainForm->btnSaveKwrds);
    EXPECT_EQ(ReadFile(appDir + "Keywords.txt"), longLine + "\r\n" + phrase);

    // Only the long line: its first 4096 characters are the phrase.
    MainForm->mmoKeys->SetText(longLine);
    PressF9();
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_TRUE(ReadFile(work + "a.html") == Tagged(Ansi(std::wstring(4096, L'語'))))
        << "the phrase is not the line's first 4096 characters";
}

TEST(DoubleByteTextTest, SecondBytesAreNeitherDelimitersNorCutOff) {
    ASSERT_EQ(GetACP(), 932u);
    using namespace pelmar::platform;
    const std::string so = Ansi(L"ソ");  // 83 5C
    struct Case {
        std::string path;
        size_t last;
        bool endsWithDelimiter;
    };
    for (const Case& c : std::vector<Case>{{"Z:\\" + so, 2, false},
                                           {"Z:\\" + so + "\\", 5, true},
                                           {"Z:\\" + so + "/" + so, 5, false},
                                           {so + so, std::string::npos, false},
                                           {"", std::string::npos, false}}) {
        EXPECT_EQ(FindLastPathDelimiter(c.path), c.last) << c.path;
        EXPECT_EQ(EndsWithPathDelimiter(c.path), c.endsWithDelimiter) << c.path;
    }
    EXPECT_EQ(FindPathDelimiter("Z:\\" + so + "\\a", 3), 5u);
    EXPECT_EQ(CharactersPrefix(so + "a" + so, 2), 3u);
    EXPECT_EQ(CharactersPrefix("\x83", 1), 1u);  // a lead byte at the end stands alone
    EXPECT_EQ(BoxLength(so + "\r\n" + so + "a"), 5u);
    // "ア" and "ャ" differ only in the letter case of their second bytes.
    EXPECT_FALSE(SameText(Ansi(L"Zア"), Ansi(L"zャ")));
    EXPECT_TRUE(SameText(Ansi(L"Zア"), Ansi(L"zア")));
}
