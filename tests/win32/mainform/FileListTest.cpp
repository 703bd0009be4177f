// The browse page: which names the file list shows, Delete in it, and the path edit and
// folder list following each other.
#include <string>
#include <vector>

#include "tests/win32/mainform/MainFormFixture.h"
#include "util/MovraTPU.h"

namespace {

std::vector<std::string> Names(int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i) names.push_back((i < 10 ? "page0" : "page") + std::to_string(i) + ".html");
    return names;
}

}  // namespace

class FileListTest : public MainFormTest {
protected:
    void ListFiles(int count) {
        for (const auto& name : Names(count)) WriteFile(work + name, kOneTag);
        Start(false);
        Browse(work);
    }
    // Selects the items and puts the focus on the last of them.
    void Select(const std::vector<int>& indexes) {
        for (int index : indexes) MainForm->FileList->SetSelected(index, true);
        SendMessageA(MainForm->FileList->Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(indexes.back()), FALSE);
    }
    // Pastes `text` over the path edit's whole text.
    void PastePath(const std::string& text) {
        HWND edit = MainForm->edtPath->Handle();
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
        Application->ProcessMessages();
    }
    void PressDelete() {
        KeyDown(MainForm->FileList->Handle(), VK_DELETE);
        KeyUp(MainForm->FileList->Handle(), VK_DELETE);
    }
    std::vector<int> SelectedIndexes() const {
        std::vector<int> selected;
        for (int i = 0; i < MainForm->FileList->Count(); ++i)
            if (MainForm->FileList->Selected(i)) selected.push_back(i);
        return selected;
    }
};

TEST_F(FileListTest, ListsOnlyHtmlNamesHiddenAndSystemOnesIncluded) {
    WriteFile(work + "b.html", "");
    WriteFile(work + "a.htm", "");
    WriteFile(work + "c.txt", "");
    WriteFile(work + "hidden.html", "");
    WriteFile(work + "system.html", "");
    WriteFile(work + "locked.html", "");
    MakeFolder(work + "folder.html");
    SetFileAttributesA((work + "hidden.html").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA((work + "system.html").c_str(), FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesA((work + "locked.html").c_str(), FILE_ATTRIBUTE_READONLY);
    Start(false);
    Browse(work);
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{"b.html", "hidden.html", "locked.html", "system.html"}));
}

TEST_F(FileListTest, DeleteDropsTheSelectedNamesAndSelectsTheOneInTheFocusedPlace) {
    ListFiles(10);
    TMovraFileList* list = MainForm->FileList;
    Select({1, 2, 3});
    ASSERT_EQ(list->ItemIndex(), 3);
    PressDelete();

    const std::vector<std::string> all = Names(10);
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{all[0], all[4], all[5], all[6], all[7], all[8], all[9]}));
    EXPECT_EQ(SelectedIndexes(), (std::vector<int>{3}));
    EXPECT_EQ(list->Items()->Get(3), all[6]);
    // Only the list changed.
    for (const auto& name : all) EXPECT_EQ(ReadFile(work + name), kOneTag) << name;
}

TEST_F(FileListTest, DeleteOfTheFocusedLastNameSelectsTheNewLastOne) {
    ListFiles(5);
    TMovraFileList* list = MainForm->FileList;
    Select({0, 4});
    ASSERT_EQ(list->ItemIndex(), 4);
    PressDelete();
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{"page02.html", "page03.html", "page04.html"}));
    EXPECT_EQ(SelectedIndexes(), (std::vector<int>{2}));
}

TEST_F(FileListTest, DeleteInAnEmptyListOrWithEverythingDeletedDoesNothingMore) {
    ListFiles(0);
    PressDelete();
    EXPECT_TRUE(ListedNames().empty());

    WriteFile(work + "only.html", "");
    MainForm->FileList->SetDirectory(work);
    MainForm->FileList->SetItemIndex(0);
    PressDelete();
    EXPECT_TRUE(ListedNames().empty());
    PressDelete();
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(FileListTest, OtherKeysLeaveTheListAndReadingTheFolderAgainRefillsIt) {
    ListFiles(3);
    MainForm->FileList->SetItemIndex(1);
    KeyUp(MainForm->FileList->Handle(), VK_BACK);
    EXPECT_EQ(ListedNames().size(), 3u);
    PressDelete();
    EXPECT_EQ(ListedNames().size(), 2u);
    MainForm->FileList->SetDirectory(work);
    EXPECT_EQ(ListedNames(), Names(3));
}

TEST_F(FileListTest, PathEditAndFolderListFollowEachOther) {
    MakeFolder(work + "sub");
    WriteFile(work + "sub\\inner.html", "");
    WriteFile(work + "outer.html", "");
    Start(false);
    TMainForm* f = MainForm;

    PastePath(work + "sub");
    EXPECT_EQ(pelmar::WithPathDelimiter(f->Directory->Directory()), work + "sub\\");
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{"inner.html"}));
    EXPECT_EQ(f->edtPath->Text(), f->Directory->Directory());

    // A move of the folder list by other ways shows in the edit.
    f->Directory->SetDirectory(work);
    Application->ProcessMessages();
    EXPECT_EQ(f->edtPath->Text(), f->Directory->Directory());
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{"outer.html"}));
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(FileListTest, APathNamingNoFolderIsAnErrorThatChangesNothing) {
    WriteFile(work + "outer.html", "");
    Start(false);
    Browse(work);
    TMainForm* f = MainForm;
    const std::string before = f->Directory->Directory();

    PastePath(work + "su");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(f->Directory->Directory(), before);
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{"outer.html"}));
    EXPECT_EQ(f->edtPath->Text(), work + "su");

    // An empty text is ignored.
    PastePath("");
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(f->Directory->Directory(), before);
}
