// The file-control list box and the file list (declared in FileCtrl.h).
#include "toolkit/FileCtrl.h"

#include <algorithm>

#include "platform/AnsiText.h"

namespace {

constexpr int kIndent = 10;     // per level of the folder tree
constexpr int kGlyphWidth = 18;  // room for a glyph before the text

// Folders and pages, drawn in the item's glyph room with the canvas's pen and brush.
void DrawGlyph(TCanvas& canvas, TFileCtrlListBox::TGlyph glyph, int x, int y) {
    using G = TFileCtrlListBox;
    canvas.Pen()->SetColor(clBlack);
    if (glyph == G::glFile) {
        canvas.Brush()->SetColor(clWhite);
        canvas.Polygon({Point(x + 3, y + 1), Point(x + 10, y + 1), Point(x + 13, y + 4), Point(x + 13, y + 14),
                        Point(x + 3, y + 14)});
        return;
    }
    if (glyph == G::glNone) return;
    canvas.Brush()->SetColor(glyph == G::glCurrentFolder ? clSilver : clYellow);
    canvas.Polygon({Point(x + 1, y + 3), Point(x + 6, y + 3), Point(x + 7, y + 5), Point(x + 14, y + 5),
                    Point(x + 14, y + 13), Point(x + 1, y + 13)});
    if (glyph == G::glClosedFolder) return;
    // An open folder: its front leans back.
    canvas.Brush()->SetColor(clOlive);
    canvas.Polygon({Point(x + 1, y + 13), Point(x + 4, y + 8), Point(x + 16, y + 8), Point(x + 14, y + 13)});
}

// The part of a file name that a mask like "*.html" or "a?c.*" accepts, case-insensitively.
bool MatchesMask(std::string_view name, std::string_view mask) {
    if (mask.empty()) return name.empty();
    if (mask[0] == '*') {
        for (size_t skip = 0; skip <= name.size(); ++skip)
            if (MatchesMask(name.substr(skip), mask.substr(1))) return true;
        return false;
    }
    if (name.empty()) return false;
    const bool same = mask[0] == '?' || std::tolower(static_cast<unsigned char>(mask[0])) ==
                                            std::tolower(static_cast<unsigned char>(name[0]));
    return same && MatchesMask(name.substr(1), mask.substr(1));
}

bool MatchesAnyMask(std::string_view name, std::string_view masks) {
    size_t start = 0;
    while (start <= masks.size()) {
        size_t end = masks.find(';', start);
        if (end == std::string_view::npos) end = masks.size();
        const std::string mask = Trim(masks.substr(start, end - start));
        // "*.*" takes names without a dot too, as the system's search does.
        if (!mask.empty() && (mask == "*.*" || MatchesMask(name, mask))) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

template <>
const TEnumInfo& EnumInfo<TFileAttr>() {
    static const TEnumInfo info{"TFileAttr",
                                {"ftReadOnly", "ftHidden", "ftSystem", "ftVolumeID", "ftDirectory", "ftArchive",
                                 "ftNormal"}};
    return info;
}

// ---------------------------------------------------------------------------------------
// TFileCtrlItems

const TClassInfo& TFileCtrlItems::StaticClass() {
    static const TClassInfo info("TFileCtrlItems", &TStrings::StaticClass());
    return info;
}

int TFileCtrlItems::Count() const { return box_.Count(); }

std::string TFileCtrlItems::Get(int index) const { return box_.EntryAt(index).text; }

void TFileCtrlItems::Insert(int index, const std::string& s) {
    box_.InsertEntry(index, {s, TFileCtrlListBox::glNone, 0});
}

void TFileCtrlItems::Delete(int index) {
    box_.CheckIndex(index);
    box_.entries_.erase(box_.entries_.begin() + index);
    if (box_.HandleAllocated()) SendMessageA(box_.Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void TFileCtrlItems::Clear() {
    box_.entries_.clear();
    if (box_.HandleAllocated()) SendMessageA(box_.Handle(), LB_RESETCONTENT, 0, 0);
}

// ---------------------------------------------------------------------------------------
// TFileCtrlListBox

const TClassInfo& TFileCtrlListBox::StaticClass() {
    using C = TFileCtrlListBox;
    using P = TProps<C>;
    static const TClassInfo info("TFileCtrlListBox", &TWinControl::StaticClass(), nullptr,
                                 {
                                     P::Integer("ItemHeight", &C::ItemHeight, &C::SetItemHeight).Default(16),
                                     P::Boolean("MultiSelect", &C::MultiSelect, &C::SetMultiSelect).Default(false),
                                     P::Boolean("TabStop", &C::TabStop, &C::SetTabStop).Default(true),
                                 });
    return info;
}

TFileCtrlListBox::TFileCtrlListBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TFileCtrlItems>(*this)) {
    SetTabStop(true);
    SetBounds(0, 0, 145, 97);
}

TFileCtrlListBox::~TFileCtrlListBox() = default;

void TFileCtrlListBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = "LISTBOX";
    p.Style |= WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
    if (multiSelect_) p.Style |= LBS_EXTENDEDSEL;
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

// The window shows the items the control keeps (also after it was made anew).
void TFileCtrlListBox::CreateHandleExtras() {
    TWinControl::CreateHandleExtras();
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, itemHeight_);
    for (const Entry& e : entries_) SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.text.c_str()));
}

void TFileCtrlListBox::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", index));
}

const TFileCtrlListBox::Entry& TFileCtrlListBox::EntryAt(int index) const {
    CheckIndex(index);
    return entries_[static_cast<size_t>(index)];
}

void TFileCtrlListBox::InsertEntry(int index, Entry entry) {
    if (index < 0 || index > Count()) throw EListError(Format("List index out of bounds (%d)", index));
    if (HandleAllocated())
        SendMessageA(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry.text.c_str()));
    entries_.insert(entries_.begin() + index, std::move(entry));
}

void TFileCtrlListBox::AddEntry(const std::string& text, TGlyph glyph, int level) {
    InsertEntry(Count(), {text, glyph, level});
}

int TFileCtrlListBox::ItemIndex() {
    const UINT msg = multiSelect_ ? LB_GETCARETINDEX : LB_GETCURSEL;
    const auto index = static_cast<int>(SendMessageA(Handle(), msg, 0, 0));
    return index < Count() ? index : -1;
}

void TFileCtrlListBox::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", index));
    if (multiSelect_) {
        SendMessageA(Handle(), LB_SETSEL, FALSE, -1);
        if (index >= 0) SendMessageA(Handle(), LB_SETSEL, TRUE, index);
        SendMessageA(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    } else {
        SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

bool TFileCtrlListBox::Selected(int index) {
    CheckIndex(index);
    return SendMessageA(Handle(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void TFileCtrlListBox::SetSelected(int index, bool on) {
    CheckIndex(index);
    if (multiSelect_)
        SendMessageA(Handle(), LB_SETSEL, on, index);
    else
        SendMessageA(Handle(), LB_SETCURSEL, on ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1), 0);
}

int TFileCtrlListBox::SelCount() {
    if (!multiSelect_) return ItemIndex() >= 0 ? 1 : 0;
    return static_cast<int>(SendMessageA(Handle(), LB_GETSELCOUNT, 0, 0));
}

void TFileCtrlListBox::DeleteSelected() {
    for (int i = Count() - 1; i >= 0; --i)
        if (Selected(i)) items_->Delete(i);
}

void TFileCtrlListBox::SetMultiSelect(bool on) {
    if (on == multiSelect_) return;
    multiSelect_ = on;
    RecreateWnd();
}

void TFileCtrlListBox::SetItemHeight(int height) {
    if (height <= 0) throw EPropertyError(Format("Invalid item height %d", height));
    itemHeight_ = height;
    if (HandleAllocated()) {
        SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, height);
        Invalidate();
    }
}

void TFileCtrlListBox::WndProc(TMessage& m) {
    switch (m.Msg) {
        case CN_BASE + WM_DRAWITEM:
            DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
            m.Result = TRUE;
            return;
        case CN_BASE + WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->itemHeight = static_cast<UINT>(itemHeight_);
            m.Result = TRUE;
            return;
        case CN_BASE + WM_COMMAND:
            if (HIWORD(m.WParam) == LBN_SELCHANGE) Click();
            return;
        default:
            TWinControl::WndProc(m);
    }
}

void TFileCtrlListBox::DrawItem(const DRAWITEMSTRUCT& draw) {
    TCanvas canvas;
    canvas.SetHandle(draw.hDC);
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    canvas.SetFont(*Font());
    canvas.Brush()->SetColor(selected ? clHighlight : Color());
    canvas.FillRect(draw.rcItem);
    if (draw.itemID < entries_.size()) {
        const Entry& entry = entries_[draw.itemID];
        int x = draw.rcItem.left + 2 + entry.level * kIndent;
        if (ShowsGlyphs() && entry.glyph != glNone) {
            DrawGlyph(canvas, entry.glyph, x, draw.rcItem.top + (draw.rcItem.bottom - draw.rcItem.top - 16) / 2);
            x += kGlyphWidth;
        }
        canvas.Brush()->SetStyle(bsClear);
        canvas.Font()->SetColor(selected ? clHighlightText : Font()->Color());
        TRect text{x, draw.rcItem.top, draw.rcItem.right, draw.rcItem.bottom};
        canvas.DrawText(entry.text, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (draw.itemState & ODS_FOCUS) DrawFocusRect(draw.hDC, &draw.rcItem);
    canvas.SetHandle(nullptr);
}

// ---------------------------------------------------------------------------------------
// TFileListBox

const TClassInfo& TFileListBox::StaticClass() {
    using C = TFileListBox;
    using P = TProps<C>;
    static const TClassInfo info("TFileListBox", &TFileCtrlListBox::StaticClass(), Creator<C>(),
                                 {
                                     P::String("Mask", &C::Mask, &C::SetMask),
                                     P::Set("FileType", &C::FileType, &C::SetFileType)
                                         .Default(TFileType{ftNormal}.Bits()),
                                     P::Boolean("ShowGlyphs", &C::ShowGlyphs, &C::SetShowGlyphs).Default(false),
                                     P::Event("OnChange", &C::OnChange),
                                 });
    return info;
}
TOOLKIT_REGISTER(TFileListBox);

TFileListBox::TFileListBox(TComponent* owner) : TFileCtrlListBox(owner) {
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    directory_ = current;
    ReadFileNames();
}

void TFileListBox::SetDirectory(const std::string& directory) {
    const DWORD attributes = GetFileAttributesA(directory.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) ||
        !SetCurrentDirectoryA(directory.c_str()))
        throw EInOutError(Format("Cannot open folder \"%s\"", directory.c_str()));
    directory_ = directory;
    ReadFileNames();
}

void TFileListBox::SetMask(const std::string& mask) {
    mask_ = mask;
    ReadFileNames();
}

void TFileListBox::SetFileType(TFileType fileType) {
    fileType_ = fileType;
    ReadFileNames();
}

void TFileListBox::SetShowGlyphs(bool on) {
    showGlyphs_ = on;
    Invalidate();
}

// Hidden and system entries need their own flag; with ftNormal every other file is listed,
// without it only files that carry one of the chosen attributes.
bool TFileListBox::Lists(DWORD a) const {
    const bool folder = a & FILE_ATTRIBUTE_DIRECTORY;
    if (folder && !fileType_.Contains(ftDirectory)) return false;
    if ((a & FILE_ATTRIBUTE_HIDDEN) && !fileType_.Contains(ftHidden)) return false;
    if ((a & FILE_ATTRIBUTE_SYSTEM) && !fileType_.Contains(ftSystem)) return false;
    if (fileType_.Contains(ftNormal)) return true;
    return folder || ((a & FILE_ATTRIBUTE_READONLY) && fileType_.Contains(ftReadOnly)) ||
           ((a & FILE_ATTRIBUTE_HIDDEN) && fileType_.Contains(ftHidden)) ||
           ((a & FILE_ATTRIBUTE_SYSTEM) && fileType_.Contains(ftSystem)) ||
           ((a & FILE_ATTRIBUTE_ARCHIVE) && fileType_.Contains(ftArchive));
}

void TFileListBox::ReadFileNames() {
    struct Found {
        std::string name;
        bool folder;
    };
    std::vector<Found> found;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((directory_ + "\\*").c_str(), &data);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == ".." || !Lists(data.dwFileAttributes)) continue;
            const bool folder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
            if (folder || MatchesAnyMask(name, mask_)) found.push_back({name, folder});
        } while (FindNextFileA(search, &data));
        FindClose(search);
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return CompareText(a.name, b.name) < 0; });
    Items()->BeginUpdate();
    Items()->Clear();
    for (const Found& f : found) AddEntry(f.folder ? "[" + f.name + "]" : f.name, f.folder ? glClosedFolder : glFile, 0);
    Items()->EndUpdate();
    OnChange(this);
}

std::string TFileListBox::FileName() {
    const int index = ItemIndex();
    if (index < 0) return {};
    std::string folder = directory_;
    if (!folder.empty() && !pelmar::platform::EndsWithPathDelimiter(folder)) folder += '\\';
    return folder + Items()->Get(index);
}
