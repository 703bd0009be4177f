// The folder list and the drive box (declared in FileCtrl.h).
#include <algorithm>
#include <cctype>

#include "platform/AnsiText.h"
#include "toolkit/FileCtrl.h"

namespace {

// The full path of `text` without a trailing delimiter (except for a drive's root).
std::string FullPath(const std::string& text) {
    char full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(text.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) throw EInOutError(Format("Invalid path \"%s\"", text.c_str()));
    std::string path(full, length);
    while (path.size() > 3 && pelmar::platform::EndsWithPathDelimiter(path)) path.pop_back();
    return path;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string WithDelimiter(std::string path) {
    if (!path.empty() && !pelmar::platform::EndsWithPathDelimiter(path)) path += '\\';
    return path;
}

// The folders on the way from the root ("C:\") down to `path`, root first.
std::vector<std::string> PathParts(const std::string& path) {
    std::vector<std::string> parts{path.substr(0, std::min<size_t>(3, path.size()))};
    size_t start = 3;
    while (start < path.size()) {
        size_t end = pelmar::platform::FindPathDelimiter(path, start);
        if (end == std::string::npos) end = path.size();
        parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The visible subfolders of `path` in name order.
std::vector<std::string> SubFolders(const std::string& path) {
    std::vector<std::string> folders;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((WithDelimiter(path) + "*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return folders;
    do {
        const std::string name = data.cFileName;
        const DWORD a = data.dwFileAttributes;
        if (!(a & FILE_ATTRIBUTE_DIRECTORY) || (a & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) continue;
        if (name == "." || name == "..") continue;
        folders.push_back(name);
    } while (FindNextFileA(search, &data));
    FindClose(search);
    std::sort(folders.begin(), folders.end(), [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
    return folders;
}

std::string CurrentDirectory() {
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    return current;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// TDirectoryListBox

const TClassInfo& TDirectoryListBox::StaticClass() {
    using C = TDirectoryListBox;
    using P = TProps<C>;
    static const TClassInfo info("TDirectoryListBox", &TCustomListBox::StaticClass(), Creator<C>(),
                                 {
                                     P::Component("FileList", &C::FileList, &C::SetFileList),
                                     P::Event("OnChange", &C::OnChange),
                                 });
    return info;
}
TOOLKIT_REGISTER(TDirectoryListBox);

TDirectoryListBox::TDirectoryListBox(TComponent* owner) : TCustomListBox(owner), directory_(FullPath(CurrentDirectory())) {
    SetStyle(lbOwnerDrawFixed);
    SetBounds(0, 0, 145, 97);
    BuildList();
}

void TDirectoryListBox::SetDirectory(const std::string& text) {
    if (Trim(text).empty()) return;
    const std::string path = FullPath(text);
    if (SameText(path, directory_)) return;
    if (!IsFolder(path) || !SetCurrentDirectoryA(path.c_str()))
        throw EInOutError(Format("Folder \"%s\" does not exist", text.c_str()));
    directory_ = path;
    BuildList();
    if (fileList_) fileList_->SetDirectory(directory_);
    if (driveBox_) driveBox_->FollowDirList();
    OnChange(this);
}

void TDirectoryListBox::SetDrive(char letter) {
    SetDirectory(FullPath(std::string(1, letter) + ":"));
}

void TDirectoryListBox::SetFileList(TFileListBox* list) {
    if (list == fileList_) return;
    if (fileList_) fileList_->RemoveFreeNotification(this);
    fileList_ = list;
    if (!fileList_) return;
    fileList_->FreeNotification(this);
    fileList_->SetDirectory(directory_);
}

void TDirectoryListBox::Notification(TComponent* component, TOperation operation) {
    TCustomListBox::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == fileList_) fileList_ = nullptr;
    if (component == driveBox_) driveBox_ = nullptr;
}

void TDirectoryListBox::BuildList() {
    Items()->BeginUpdate();
    Items()->Clear();
    const std::vector<std::string> parts = PathParts(directory_);
    const int last = static_cast<int>(parts.size()) - 1;
    for (int level = 0; level <= last; ++level)
        Items()->AddObject(parts[static_cast<size_t>(level)], FileGlyphMark(level == last ? fgCurrentFolder : fgOpenFolder));
    currentIndex_ = last;
    for (const std::string& folder : SubFolders(directory_)) Items()->AddObject(folder, FileGlyphMark(fgClosedFolder));
    Items()->EndUpdate();
    SetItemIndex(currentIndex_);
}

// The path's folders step in one level each; the subfolders one further than the current.
void TDirectoryListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState) {
    DrawFileCtrlItem(*this, index, rect, std::min(index, currentIndex_ + 1), true);
}

std::string TDirectoryListBox::GetItemPath(int index) const {
    const std::string text = Items()->Get(index);  // checks the index
    if (index > currentIndex_) return WithDelimiter(directory_) + text;
    const std::vector<std::string> parts = PathParts(directory_);
    std::string path = parts[0];
    for (int i = 1; i <= index; ++i) path = WithDelimiter(path) + parts[static_cast<size_t>(i)];
    return path;
}

void TDirectoryListBox::OpenCurrent() {
    const int index = ItemIndex();
    if (index >= 0) SetDirectory(GetItemPath(index));
}

void TDirectoryListBox::DblClick() {
    OpenCurrent();
    TCustomListBox::DblClick();
}

void TDirectoryListBox::KeyDown(WORD& key, TShiftState shift) {
    TCustomListBox::KeyDown(key, shift);
    if (key == VK_RETURN) {
        OpenCurrent();
        key = 0;
    }
}

// Enter opens a folder rather than pressing the form's default button.
void TDirectoryListBox::WndProc(TMessage& m) {
    TCustomListBox::WndProc(m);
    if (m.Msg == WM_GETDLGCODE && m.WParam == VK_RETURN) m.Result |= DLGC_WANTALLKEYS;
}

// ---------------------------------------------------------------------------------------
// TDriveComboBox

const TClassInfo& TDriveComboBox::StaticClass() {
    using C = TDriveComboBox;
    using P = TProps<C>;
    static const TClassInfo info("TDriveComboBox", &TCustomComboBox::StaticClass(), Creator<C>(),
                                 {P::Component("DirList", &C::DirList, &C::SetDirList)});
    return info;
}
TOOLKIT_REGISTER(TDriveComboBox);

TDriveComboBox::TDriveComboBox(TComponent* owner) : TCustomComboBox(owner) {
    SetStyle(csDropDownList);
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i)
        if (mask & (1u << i)) drives_.push_back(static_cast<char>('a' + i));
    for (char letter : drives_) {
        std::string text = std::string(1, letter) + ":";
        const std::string root = text + "\\";
        char label[MAX_PATH] = {};
        if (GetDriveTypeA(root.c_str()) == DRIVE_FIXED &&
            GetVolumeInformationA(root.c_str(), label, MAX_PATH, nullptr, nullptr, nullptr, nullptr, 0) && label[0])
            text += std::string(" [") + label + "]";
        Items()->Add(text);
    }
    const std::string current = CurrentDirectory();
    if (current.size() > 1 && current[1] == ':') drive_ = static_cast<char>(std::tolower(static_cast<unsigned char>(current[0])));
    SelectDriveItem();
}

void TDriveComboBox::SelectDriveItem() {
    const auto it = std::find(drives_.begin(), drives_.end(), drive_);
    SetItemIndex(it == drives_.end() ? -1 : static_cast<int>(it - drives_.begin()));
}
void TDriveComboBox::SetDrive(char letter) {
    letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    if (std::find(drives_.begin(), drives_.end(), letter) == drives_.end())
        throw EInOutError(Format("Drive %c: does not exist", letter));
    if (letter == drive_) return;
    if (dirList_) {
        try {
            dirList_->SetDrive(letter);
        } catch (...) {
            SelectDriveItem();  // the list shows the drive that stays
            throw;
        }
        if (letter == drive_) return;  // followed the folder list already
    }
    drive_ = letter;
    SelectDriveItem();
    OnChange(this);
}

void TDriveComboBox::SetDirList(TDirectoryListBox* list) {
    if (list == dirList_) return;
    if (dirList_) {
        dirList_->RemoveFreeNotification(this);
        RemoveFreeNotification(dirList_);
        dirList_->driveBox_ = nullptr;
    }
    dirList_ = list;
    if (!dirList_) return;
    dirList_->FreeNotification(this);
    FreeNotification(dirList_);
    dirList_->driveBox_ = this;
    FollowDirList();
}

void TDriveComboBox::FollowDirList() {
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(dirList_->Drive())));
    if (letter == drive_ || std::find(drives_.begin(), drives_.end(), letter) == drives_.end()) return;
    drive_ = letter;
    SelectDriveItem();
    OnChange(this);
}

void TDriveComboBox::Notification(TComponent* component, TOperation operation) {
    TCustomComboBox::Notification(component, operation);
    if (operation == opRemove && component == dirList_) dirList_ = nullptr;
}

void TDriveComboBox::Select() {
    const int index = ItemIndex();
    if (index >= 0) SetDrive(drives_[static_cast<size_t>(index)]);
}
