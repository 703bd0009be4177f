#pragma once
// The linked drive box, folder list and file list (Win32).
//
//   TFileCtrlListBox   what both lists share: a system LISTBOX whose items (text and a glyph
//                      code each) the control keeps itself and draws with its own glyphs;
//                      Items, ItemIndex, Selected, MultiSelect, ItemHeight, DeleteSelected.
//   TFileListBox       the names (without folder) of the files of Directory that match Mask
//                      (several masks separated by ";") and FileType, in name order.
//   TDirectoryListBox  the folder tree: the drive's root, the folders down to Directory
//                      (open-folder glyph), Directory itself (selected), then its subfolders
//                      in name order (closed-folder glyph; hidden and system folders left
//                      out). Double-click or Enter opens the selected entry. FileList follows.
//   TDriveComboBox     the system's drives; choosing one moves DirList to that drive's
//                      current folder.
//
// Reading a folder makes it the process's current directory, so that a bare name from a
// list names a file of the folder shown.

#include <string>
#include <vector>

#include "toolkit/Controls.h"

TOOLKIT_EXCEPTION(EInOutError, Exception);  // a folder that cannot be used

enum TFileAttr { ftReadOnly, ftHidden, ftSystem, ftVolumeID, ftDirectory, ftArchive, ftNormal };
using TFileType = TSet<TFileAttr>;

template <>
const TEnumInfo& EnumInfo<TFileAttr>();

class TFileCtrlListBox;
class TDriveComboBox;

// The lines of a file-control list box.
class TFileCtrlItems : public TStrings {
    TOOLKIT_CLASS(TFileCtrlItems, TStrings)

public:
    explicit TFileCtrlItems(TFileCtrlListBox& box) : box_(box) {}
    int Count() const override;
    std::string Get(int index) const override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;

private:
    TFileCtrlListBox& box_;
};

class TFileCtrlListBox : public TWinControl {
    TOOLKIT_CLASS(TFileCtrlListBox, TWinControl)

public:
    // What an item's glyph shows.
    enum TGlyph { glNone, glFile, glClosedFolder, glOpenFolder, glCurrentFolder };

    explicit TFileCtrlListBox(TComponent* owner);
    ~TFileCtrlListBox() override;

    TStrings* Items() const { return items_.get(); }
    int Count() const { return static_cast<int>(entries_.size()); }
    // The focused item (the selected one of a single-selection list); -1 for none.
    int ItemIndex();
    void SetItemIndex(int index);
    bool Selected(int index);
    void SetSelected(int index, bool on);
    int SelCount();
    // Removes the selected items from the list (nothing on disk changes).
    void DeleteSelected();
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool on);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);

protected:
    friend class TFileCtrlItems;
    struct Entry {
        std::string text;
        TGlyph glyph = glNone;
        int level = 0;  // indentation steps
    };
    void AddEntry(const std::string& text, TGlyph glyph, int level);
    const Entry& EntryAt(int index) const;
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    void WndProc(TMessage& message) override;
    virtual bool ShowsGlyphs() const { return true; }

private:
    void InsertEntry(int index, Entry entry);
    void DrawItem(const DRAWITEMSTRUCT& draw);
    void CheckIndex(int index) const;

    std::unique_ptr<TFileCtrlItems> items_;
    std::vector<Entry> entries_;
    bool multiSelect_ = false;
    int itemHeight_ = 16;
};

class TFileListBox : public TFileCtrlListBox {
    TOOLKIT_CLASS(TFileListBox, TFileCtrlListBox)

public:
    explicit TFileListBox(TComponent* owner);

    const std::string& Directory() const { return directory_; }
    // Reads the folder (again, when it is the same) and makes it the current directory;
    // EInOutError when it cannot.
    void SetDirectory(const std::string& directory);
    const std::string& Mask() const { return mask_; }
    void SetMask(const std::string& mask);
    TFileType FileType() const { return fileType_; }
    void SetFileType(TFileType fileType);
    bool ShowGlyphs() const { return showGlyphs_; }
    void SetShowGlyphs(bool on);
    // The focused file with its folder, or empty.
    std::string FileName();

    TNotifyEvent OnChange;

protected:
    bool ShowsGlyphs() const override { return showGlyphs_; }
    bool Lists(DWORD attributes) const;

private:
    void ReadFileNames();

    std::string directory_;
    std::string mask_ = "*.*";
    TFileType fileType_{ftNormal};
    bool showGlyphs_ = false;
};

class TDirectoryListBox : public TFileCtrlListBox {
    TOOLKIT_CLASS(TDirectoryListBox, TFileCtrlListBox)

public:
    explicit TDirectoryListBox(TComponent* owner);

    const std::string& Directory() const { return directory_; }
    // Moves to the folder `text` names. An empty text, or one naming the current folder, is
    // ignored; one naming no existing folder raises EInOutError and changes nothing.
    void SetDirectory(const std::string& text);
    char Drive() const { return directory_.empty() ? '\0' : directory_[0]; }
    // Moves to the current folder of drive `letter`.
    void SetDrive(char letter);
    TFileListBox* FileList() const { return fileList_; }
    void SetFileList(TFileListBox* list);
    // Opens the selected entry's folder.
    void OpenCurrent();
    // The folder of entry `index`.
    std::string GetItemPath(int index) const;

    TNotifyEvent OnChange;

protected:
    void CreateHandleExtras() override;
    void DblClick() override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TDriveComboBox;
    void BuildList();

    std::string directory_;
    int currentIndex_ = 0;  // the entry of Directory itself
    TFileListBox* fileList_ = nullptr;
    TDriveComboBox* driveBox_ = nullptr;  // the drive box that drives this list
};

class TDriveComboBox : public TWinControl {
    TOOLKIT_CLASS(TDriveComboBox, TWinControl)

public:
    explicit TDriveComboBox(TComponent* owner);

    // The drives of the system, as lower-case letters.
    const std::vector<char>& Drives() const { return drives_; }
    char Drive() const { return drive_; }
    // Selects the drive and moves DirList to it; a drive DirList cannot use raises and
    // leaves the selection as it was.
    void SetDrive(char letter);
    TDirectoryListBox* DirList() const { return dirList_; }
    void SetDirList(TDirectoryListBox* list);
    // Opens the list as soon as the user types.
    bool AutoDropDown() const { return autoDropDown_; }
    void SetAutoDropDown(bool on) { autoDropDown_ = on; }

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleExtras() override;
    void WndProc(TMessage& message) override;
    void KeyPress(char& key) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TDirectoryListBox;
    void SelectDriveItem();
    // Shows the drive of DirList's folder, which may have moved by other ways.
    void FollowDirList();

    std::vector<char> drives_;
    char drive_ = 'c';
    TDirectoryListBox* dirList_ = nullptr;
    bool autoDropDown_ = false;
};
