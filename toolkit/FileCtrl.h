#pragma once
// The linked drive box, folder list and file list (Win32), a combo box and two list boxes.
//
//   TFileListBox       the names (without folder) of the files of Directory that match Mask
//                      (several masks separated by ";") and FileType, in name order.
//   TDirectoryListBox  the folder tree: the drive's root, the folders down to Directory
//                      (open-folder glyph), Directory itself (selected), then its subfolders
//                      in name order (closed-folder glyph; hidden and system folders left
//                      out). Double-click or Enter opens the selected entry. FileList follows.
//   TDriveComboBox     the system's drives; choosing one moves DirList to that drive's
//                      current folder.
//
// Both lists draw their items with a glyph each: the item's object names it (items added
// from outside have none).
//
// Reading a folder makes it the process's current directory, so that a bare name from a
// list names a file of the folder shown.

#include <string>
#include <vector>

#include "toolkit/StdCtrls.h"

TOOLKIT_EXCEPTION(EInOutError, Exception);  // a folder that cannot be used

enum TFileAttr { ftReadOnly, ftHidden, ftSystem, ftVolumeID, ftDirectory, ftArchive, ftNormal };
using TFileType = TSet<TFileAttr>;

template <>
const TEnumInfo& EnumInfo<TFileAttr>();

class TDriveComboBox;

// What a file-control item's glyph shows.
enum TFileGlyph { fgFile, fgClosedFolder, fgOpenFolder, fgCurrentFolder };
// The object an item carries to show `glyph`.
TObject* FileGlyphMark(TFileGlyph glyph);
// Paints item `index` of a file-control list: the glyph its object names (when `glyphs`),
// indented by `level` steps, then its text.
void DrawFileCtrlItem(TCustomListBox& list, int index, const TRect& rect, int level, bool glyphs);

class TFileListBox : public TCustomListBox {
    TOOLKIT_CLASS(TFileListBox, TCustomListBox)

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
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
    bool Lists(DWORD attributes) const;

private:
    void ReadFileNames();

    std::string directory_;
    std::string mask_ = "*.*";
    TFileType fileType_{ftNormal};
    bool showGlyphs_ = false;
};

class TDirectoryListBox : public TCustomListBox {
    TOOLKIT_CLASS(TDirectoryListBox, TCustomListBox)

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
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
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

class TDriveComboBox : public TCustomComboBox {
    TOOLKIT_CLASS(TDriveComboBox, TCustomComboBox)

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

protected:
    void Select() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TDirectoryListBox;
    void SelectDriveItem();
    // Shows the drive of DirList's folder, which may have moved by other ways.
    void FollowDirList();

    std::vector<char> drives_;
    char drive_ = 'c';
    TDirectoryListBox* dirList_ = nullptr;
};
