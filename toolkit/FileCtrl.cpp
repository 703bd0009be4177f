// File-control items and the file list (declared in FileCtrl.h).
#include "toolkit/FileCtrl.h"

#include <algorithm>

#include "platform/AnsiText.h"

namespace {

constexpr int kIndent = 10;     // per level of the folder tree
constexpr int kGlyphWidth = 18;  // room for a glyph before the text

// Folders and pages, drawn in the item's glyph room with the canvas's pen and brush.
void DrawGlyph(TCanvas& canvas, TFileGlyph glyph, int x, int y) {
    canvas.Pen()->SetColor(clBlack);
    if (glyph == fgFile) {
        canvas.Brush()->SetColor(clWhite);
        canvas.Polygon({Point(x + 3, y + 1), Point(x + 10, y + 1), Point(x + 13, y + 4), Point(x + 13, y + 14),
                        Point(x + 3, y + 14)});
        return;
    }
    canvas.Brush()->SetColor(glyph == fgCurrentFolder ? clSilver : clYellow);
    canvas.Polygon({Point(x + 1, y + 3), Point(x + 6, y + 3), Point(x + 7, y + 5), Point(x + 14, y + 5),
                    Point(x + 14, y + 13), Point(x + 1, y + 13)});
    if (glyph == fgClosedFolder) return;
    // An open folder: its front leans back.
    canvas.Brush()->SetColor(clOlive);
    canvas.Polygon({Point(x + 1, y + 13), Point(x + 4, y + 8), Point(x + 16, y + 8), Point(x + 14, y + 13)});
}

TObject* GlyphMarks() {
    static TObject marks[fgCurrentFolder + 1];
    return marks;
}

// Finds the glyph that `mark` names; false for an object that names none.
bool GlyphOf(const TObject* mark, TFileGlyph& glyph) {
    for (int g = fgFile; g <= fgCurrentFolder; ++g)
        if (mark == &GlyphMarks()[g]) {
            glyph = static_cast<TFileGlyph>(g);
            return true;
        }
    return false;
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

TObject* FileGlyphMark(TFileGlyph glyph) { return &GlyphMarks()[glyph]; }

void DrawFileCtrlItem(TCustomListBox& list, int index, const TRect& rect, int level, bool glyphs) {
    TCanvas& canvas = *list.Canvas();
    canvas.FillRect(rect);
    int x = rect.left + 2 + level * kIndent;
    TFileGlyph glyph = fgFile;
    if (glyphs && GlyphOf(list.Items()->Objects(index), glyph)) {
        DrawGlyph(canvas, glyph, x, rect.top + (rect.bottom - rect.top - 16) / 2);
        x += kGlyphWidth;
    }
    canvas.Brush()->SetStyle(bsClear);
    TRect text{x, rect.top, rect.right, rect.bottom};
    canvas.DrawText(list.Items()->Get(index), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// ---------------------------------------------------------------------------------------
// TFileListBox

const TClassInfo& TFileListBox::StaticClass() {
    using C = TFileListBox;
    using P = TProps<C>;
    static const TClassInfo info("TFileListBox", &TCustomListBox::StaticClass(), Creator<C>(),
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

TFileListBox::TFileListBox(TComponent* owner) : TCustomListBox(owner) {
    SetStyle(lbOwnerDrawFixed);
    SetBounds(0, 0, 145, 97);
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
    for (const Found& f : found)
        Items()->AddObject(f.folder ? "[" + f.name + "]" : f.name, FileGlyphMark(f.folder ? fgClosedFolder : fgFile));
    Items()->EndUpdate();
    OnChange(this);
}

void TFileListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState) {
    DrawFileCtrlItem(*this, index, rect, 0, showGlyphs_);
}

std::string TFileListBox::FileName() {
    const int index = ItemIndex();
    if (index < 0) return {};
    std::string folder = directory_;
    if (!folder.empty() && !pelmar::platform::EndsWithPathDelimiter(folder)) folder += '\\';
    return folder + Items()->Get(index);
}
