// The drive box, folder list and file list on a temporary folder tree.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/Pump.h"
#include "tests/support/TempFolder.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/Forms.h"
#include "toolkit/Streaming.h"

namespace {

using pelmar::testing::Pump;
using pelmar::testing::TempFolder;

std::vector<std::string> Lines(const TStrings& items) { return items.Lines(); }

std::string CurrentDirectory() {
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    return current;
}

// A file list that removes the selected names when Delete is released.
class TDeletingFileList : public TFileListBox {
    TOOLKIT_CLASS(TDeletingFileList, TFileListBox)

public:
    using TFileListBox::TFileListBox;
    std::vector<WORD> released;

protected:
    void KeyUp(WORD& key, TShiftState shift) override {
        released.push_back(key);
        if (key == VK_DELETE) DeleteSelected();
        TFileListBox::KeyUp(key, shift);
    }
};

// tree/      Alpha/ beta/ gamma/ (hidden)
//            a.html B.html c.htm notes.txt hidden.html (hidden) sys.html (system) ro.html (read-only)
struct FileCtrlFixture : ::testing::Test {
    TempFolder temp;
    std::string tree = std::filesystem::absolute(temp / "tree").string();
    std::string startedIn = CurrentDirectory();
    TForm* form = new TForm(nullptr);
    TDriveComboBox* drives = Place<TDriveComboBox>();
    TDirectoryListBox* folders = Place<TDirectoryListBox>();
    TDeletingFileList* files = Place<TDeletingFileList>();
    bool hiddenFilesWork = false;

    FileCtrlFixture() {
        form->SetBounds(50, 50, 600, 400);
        for (const char* folder : {"Alpha", "beta", "gamma"}) std::filesystem::create_directories(Path(folder));
        for (const char* file : {"a.html", "B.html", "c.htm", "notes.txt", "hidden.html", "sys.html", "ro.html"})
            temp.Write(std::string("tree/") + file, "<img src=x>");
        SetFileAttributesA(Path("gamma").c_str(), FILE_ATTRIBUTE_HIDDEN);
        SetFileAttributesA(Path("hidden.html").c_str(), FILE_ATTRIBUTE_HIDDEN);
        SetFileAttributesA(Path("sys.html").c_str(), FILE_ATTRIBUTE_SYSTEM);
        SetFileAttributesA(Path("ro.html").c_str(), FILE_ATTRIBUTE_READONLY);
        hiddenFilesWork = GetFileAttributesA(Path("hidden.html").c_str()) & FILE_ATTRIBUTE_HIDDEN;
    }
    ~FileCtrlFixture() override {
        SetCurrentDirectoryA(startedIn.c_str());  // a current folder could not be removed
        SetFileAttributesA(Path("ro.html").c_str(), FILE_ATTRIBUTE_NORMAL);
        form->Free();
    }
    template <class T>
    T* Place() {
        auto* control = new T(form);
        control->SetParent(form);
        return control;
    }
    std::string Path(const std::string& name) const { return tree + "\\" + name; }
    void Link() {
        drives->SetDirList(folders);
        folders->SetFileList(files);
    }
};

}  // namespace

const TClassInfo& TDeletingFileList::StaticClass() {
    static const TClassInfo info("TDeletingFileList", &TFileListBox::StaticClass(), Creator<TDeletingFileList>());
    return info;
}

TEST_F(FileCtrlFixture, FolderListShowsThePathThenTheVisibleSubfolders) {
    int changes = 0;
    folders->OnChange = [&](TObject*) { ++changes; };
    Link();
    folders->SetDirectory(tree);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(SameText(folders->Directory(), tree));
    EXPECT_TRUE(SameText(CurrentDirectory(), tree));
    EXPECT_EQ(files->Directory(), folders->Directory());

    std::vector<std::string> lines = Lines(*folders->Items());
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], tree.substr(0, 3));  // the drive's root
    const std::vector<std::string> below(lines.end() - 3, lines.end());
    EXPECT_EQ(below[0], "tree");
    EXPECT_EQ(std::vector<std::string>(below.begin() + 1, below.end()), (std::vector<std::string>{"Alpha", "beta"}));
    EXPECT_EQ(folders->ItemIndex(), static_cast<int>(lines.size()) - 3);  // the current folder
    EXPECT_TRUE(SameText(folders->GetItemPath(0), tree.substr(0, 3)));
    EXPECT_TRUE(SameText(folders->GetItemPath(folders->Count() - 1), Path("beta")));
    EXPECT_TRUE(SameText(folders->GetItemPath(folders->ItemIndex()), tree));
}

TEST_F(FileCtrlFixture, FileListTakesMaskAndAttributes) {
    Link();
    files->SetMask("*.html");
    folders->SetDirectory(tree);
    const std::vector<std::string> normal{"a.html", "B.html", "ro.html"};
    if (hiddenFilesWork) {
        EXPECT_EQ(Lines(*files->Items()), normal);
    }
    files->SetFileType({ftReadOnly, ftHidden, ftSystem, ftArchive, ftNormal});
    EXPECT_EQ(Lines(*files->Items()), (std::vector<std::string>{"a.html", "B.html", "hidden.html", "ro.html", "sys.html"}));
    files->SetFileType({ftReadOnly});  // without ftNormal: only files with a chosen attribute
    EXPECT_EQ(Lines(*files->Items()), std::vector<std::string>{"ro.html"});
    files->SetFileType({ftNormal, ftDirectory});
    files->SetMask("*.htm;*.txt");
    EXPECT_EQ(Lines(*files->Items()), (std::vector<std::string>{"[Alpha]", "[beta]", "c.htm", "notes.txt"}));
    EXPECT_EQ(files->FileName(), "");
    files->SetItemIndex(2);
    EXPECT_TRUE(SameText(files->FileName(), Path("c.htm")));
}

TEST_F(FileCtrlFixture, InvalidEmptyAndSameTextsChangeNothing) {
    Link();
    folders->SetDirectory(tree);
    int changes = 0;
    folders->OnChange = [&](TObject*) { ++changes; };
    const std::vector<std::string> before = Lines(*folders->Items());
    const std::vector<std::string> filesBefore = Lines(*files->Items());
    EXPECT_THROW(folders->SetDirectory(Path("nope")), EInOutError);
    EXPECT_THROW(folders->SetDirectory(Path("a.html")), EInOutError);  // a file is no folder
    EXPECT_THROW(files->SetDirectory(Path("nope")), EInOutError);
    folders->SetDirectory("");
    folders->SetDirectory(tree + "\\");
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(SameText(folders->Directory(), tree));
    EXPECT_TRUE(SameText(files->Directory(), tree));
    EXPECT_TRUE(SameText(CurrentDirectory(), tree));
    EXPECT_EQ(Lines(*folders->Items()), before);
    EXPECT_EQ(Lines(*files->Items()), filesBefore);
}

TEST_F(FileCtrlFixture, EnterAndDoubleClickOpenTheSelectedFolder) {
    Link();
    folders->SetDirectory(tree);
    form->Show();
    Pump();
    folders->SetItemIndex(folders->Count() - 2);  // Alpha
    PostMessageA(folders->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    Pump();
    EXPECT_TRUE(SameText(folders->Directory(), Path("Alpha")));
    EXPECT_TRUE(SameText(files->Directory(), Path("Alpha")));
    EXPECT_EQ(files->Count(), 0);
    EXPECT_EQ(folders->ItemIndex(), folders->Count() - 1);  // no subfolders below Alpha

    // A double-click on the parent goes back up.
    const int parent = folders->ItemIndex() - 1;
    folders->SetItemIndex(parent);
    RECT item{};
    SendMessageA(folders->Handle(), LB_GETITEMRECT, static_cast<WPARAM>(parent), reinterpret_cast<LPARAM>(&item));
    SendMessageA(folders->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(item.left + 30, item.top + 2));
    EXPECT_TRUE(SameText(folders->Directory(), tree));
}

TEST_F(FileCtrlFixture, DriveBoxMovesTheFolderList) {
    ASSERT_FALSE(drives->Drives().empty());
    EXPECT_EQ(drives->Drive(), static_cast<char>(std::tolower(startedIn[0])));  // where the program was
    int driveChanges = 0;
    drives->OnChange = [&](TObject*) { ++driveChanges; };
    Link();
    folders->SetDirectory(tree);
    const char treeDrive = static_cast<char>(std::tolower(tree[0]));
    EXPECT_EQ(drives->Drive(), treeDrive);  // the box follows the folder list
    const auto other = std::find_if(drives->Drives().begin(), drives->Drives().end(),
                                    [&](char d) { return d != drives->Drive() && GetDriveTypeA((std::string(1, d) + ":\\").c_str()) == DRIVE_FIXED; });
    if (other == drives->Drives().end()) GTEST_SKIP() << "one fixed drive only";
    // Chosen in the box's list, as the user does.
    const auto index = other - drives->Drives().begin();
    SendMessageA(drives->Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(drives->Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(drives->Handle()));
    EXPECT_EQ(drives->Drive(), *other);
    EXPECT_EQ(std::tolower(folders->Directory()[0]), *other);
    EXPECT_EQ(files->Directory(), folders->Directory());
    EXPECT_THROW(drives->SetDrive('!'), EInOutError);
    EXPECT_EQ(drives->Drive(), *other);
    // A folder typed elsewhere brings the box back to its drive.
    const int before = driveChanges;
    folders->SetDirectory(tree);
    EXPECT_EQ(drives->Drive(), treeDrive);
    EXPECT_EQ(driveChanges, before + 1);
    const auto treeIndex = std::find(drives->Drives().begin(), drives->Drives().end(), treeDrive) - drives->Drives().begin();
    EXPECT_EQ(SendMessageA(drives->Handle(), CB_GETCURSEL, 0, 0), treeIndex);
}

TEST_F(FileCtrlFixture, DeleteSelectedLeavesTheFilesOnDisk) {
    for (int i = 0; i < 10; ++i) temp.Write("tree/f" + std::to_string(i) + ".html", "");
    files->SetMask("f*.html");
    files->SetMultiSelect(true);
    files->SetDirectory(tree);
    ASSERT_EQ(files->Count(), 10);
    for (int i : {1, 2, 3}) files->SetSelected(i, true);
    EXPECT_EQ(files->SelCount(), 3);
    EXPECT_TRUE(files->Selected(2));
    EXPECT_FALSE(files->Selected(4));
    PostMessageA(files->Handle(), WM_KEYUP, VK_DELETE, 0);
    Pump();
    EXPECT_EQ(files->released, std::vector<WORD>{VK_DELETE});
    EXPECT_EQ(Lines(*files->Items()), (std::vector<std::string>{"f0.html", "f4.html", "f5.html", "f6.html", "f7.html",
                                                                "f8.html", "f9.html"}));
    EXPECT_TRUE(std::filesystem::exists(Path("f2.html")));
    EXPECT_EQ(files->SelCount(), 0);
    // The multi-selection window was made anew: it still shows every item.
    EXPECT_EQ(SendMessageA(files->Handle(), LB_GETCOUNT, 0, 0), 7);
    files->SetDirectory(tree);  // reading the folder again brings every name back
    EXPECT_EQ(files->Count(), 10);
    EXPECT_THROW(files->SetSelected(10, true), EListError);
}

TEST_F(FileCtrlFixture, FormFileLinksTheThreeControls) {
    SetCurrentDirectoryA(tree.c_str());
    auto* read = new TForm(form);
    ReadComponent(*read, R"(object Browse: TForm
  object Drives: TDriveComboBox
    AutoDropDown = True
    DirList = Folders
  end
  object Folders: TDirectoryListBox
    ItemHeight = 16
    FileList = Files
  end
  object Files: TFileListBox
    FileType = [ftReadOnly, ftHidden, ftSystem, ftArchive, ftNormal]
    Mask = '*.html'
    MultiSelect = True
    ShowGlyphs = True
  end
end
)");
    auto* readFolders = dynamic_cast<TDirectoryListBox*>(read->FindComponent("Folders"));
    auto* readFiles = dynamic_cast<TFileListBox*>(read->FindComponent("Files"));
    auto* readDrives = dynamic_cast<TDriveComboBox*>(read->FindComponent("Drives"));
    ASSERT_TRUE(readFolders && readFiles && readDrives);
    EXPECT_EQ(readDrives->DirList(), readFolders);
    EXPECT_TRUE(readDrives->AutoDropDown());
    EXPECT_EQ(readFolders->FileList(), readFiles);
    EXPECT_TRUE(readFiles->MultiSelect() && readFiles->ShowGlyphs());
    // Made in the current folder, the lists show it at once.
    EXPECT_TRUE(SameText(readFolders->Directory(), tree));
    EXPECT_EQ(Lines(*readFiles->Items()), (std::vector<std::string>{"a.html", "B.html", "hidden.html", "ro.html", "sys.html"}));
    readFolders->SetDirectory(Path("beta"));
    EXPECT_TRUE(SameText(readFiles->Directory(), Path("beta")));
    EXPECT_EQ(readFiles->Count(), 0);
}
