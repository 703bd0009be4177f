#include "skin/engine/WinSkinMenu.h"

#include <algorithm>
#include <cwctype>

#include "skin/WinSkinData.h"
#include "skin/engine/MenuItemPaint.h"
#include "skin/engine/SkinManage.h"
#include "skin/engine/SkinPaint.h"
#include "skin/engine/WinSkinForm.h"
#include "toolkit/Menus.h"

namespace {

constexpr int kMaxCaption = 80;

COLORREF Rgb(TColor colour) { return static_cast<COLORREF>(ColorToRGB(colour)); }

}  // namespace

wchar_t AcceleratorOf(const std::wstring& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] == L'&') {
            ++i;
            continue;
        }
        return static_cast<wchar_t>(std::towlower(caption[i + 1]));
    }
    return 0;
}

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& frame, TFormMenu* menu) : frame_(frame), menu_(menu) {
    background_.SetPixelFormat(pf24bit);
}

TWinSkinMenu::~TWinSkinMenu() = default;

void TWinSkinMenu::BuildItems() {
    if (HMENU current = GetMenu(frame_.Handle())) nativeMenu_ = current;
    if (!nativeMenu_) return;
    items_.clear();
    auto* toolkitMenu = dynamic_cast<TMenu*>(menu_);
    const int count = GetMenuItemCount(nativeMenu_);
    for (int i = 0; i < count; ++i) {
        wchar_t text[kMaxCaption + 1] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = kMaxCaption;
        if (!GetMenuItemInfoW(nativeMenu_, static_cast<UINT>(i), TRUE, &info)) continue;
        auto item = std::make_unique<TMenuBtn>(*this, i);
        item->Caption = text;
        item->ItemEnabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
        item->SubMenu = info.hSubMenu;
        item->Command = info.wID;
        if (TMenuItem* known = toolkitMenu ? toolkitMenu->FindItem(info.wID, fkCommand) : nullptr) {
            item->Caption = AnsiToWide(known->Caption());
            item->ItemEnabled = known->Enabled();
            if (known->Count() > 0) item->SubMenu = known->Handle();
        }
        item->SetEnabled(item->ItemEnabled);
        items_.push_back(std::move(item));
    }
    SetMenu(frame_.Handle(), nullptr);
}

void TWinSkinMenu::LayoutItems(const RECT& band) {
    band_ = band;
    const TDataSkinObject* element = frame_.Skin()->Element(seMenuBar);
    int x = band.left + (element ? element->LeftWidth + 4 : 6);
    if (element && band.right - band.left < element->LeftWidth + 4) x = band.left + 12;
    HDC dc = GetDC(nullptr);
    {
        TMenuFont font(dc);
        for (auto& item : items_) {
            RECT measure{};
            DrawTextW(dc, item->Caption.c_str(), static_cast<int>(item->Caption.size()), &measure,
                      DT_CALCRECT | DT_SINGLELINE);
            const int width = item->Caption.empty() ? 0 : measure.right + 10;
            item->SetBounds(RECT{x, band.top, x + width, band.bottom - 1});
            x += width;
        }
    }
    ReleaseDC(nullptr, dc);
}

void TWinSkinMenu::PaintBar(HDC dc, const RECT& band) {
    LayoutItems(band);
    const int width = band.right - band.left, height = band.bottom - band.top;
    if (width <= 0 || height <= 0) return;
    background_.SetSize(width, height);
    HDC composed = background_.Canvas()->Handle();
    const RECT local{0, 0, width, height};
    if (const TDataSkinObject* element = frame_.Skin()->Element(seMenuBar)) {
        DrawMenuBarBand(composed, local, *element, frame_.IsActive());
    } else {
        HBRUSH brush = CreateSolidBrush(Rgb(frame_.Skin()->Colours().Menubar));
        FillRect(composed, &local, brush);
        DeleteObject(brush);
    }
    BitBlt(dc, band.left, band.top, width, height, composed, 0, 0, SRCCOPY);
    for (auto& item : items_) item->PaintOn(dc);
}

TMenuBtn* TWinSkinMenu::ItemAt(POINT p) const {
    for (const auto& item : items_)
        if (!item->Caption.empty() && PtInRect(&item->Bounds(), p)) return item.get();
    return nullptr;
}

TMenuBtn* TWinSkinMenu::FindAccelItem(char key) const {
    for (const auto& item : items_) {
        if (!item->ItemEnabled || item->Caption.empty()) continue;
        if (key == 0 || AcceleratorOf(item->Caption) == static_cast<wchar_t>(std::tolower(static_cast<unsigned char>(key))))
            return item.get();
    }
    return nullptr;
}

namespace {

// The drop-down menu being tracked: one at a time on the thread.
struct TTracking {
    TWinSkinMenu* bar = nullptr;
    TMenuBtn* open = nullptr;
    TMenuBtn* target = nullptr;
    HHOOK hook = nullptr;
    bool onPopupItem = false;  // the selected item opens a sub-menu of its own
    bool atTopLevel = true;    // the selection is in the drop-down itself, not a sub-menu
    POINT lastPointer{-1, -1};
} gTracking;

}  // namespace

TMenuBtn* TWinSkinMenu::Neighbour(const TMenuBtn& item, int step) const {
    const int count = static_cast<int>(items_.size());
    for (int i = 1; i <= count; ++i) {
        TMenuBtn* candidate = items_[static_cast<size_t>((item.Index() + step * i + count * count) % count)].get();
        if (!candidate->Caption.empty()) return candidate;
    }
    return nullptr;
}

LRESULT CALLBACK TWinSkinMenu::MessageFilter(int code, WPARAM wParam, LPARAM lParam) {
    const LRESULT next = CallNextHookEx(gTracking.hook, code, wParam, lParam);
    if (next || code != MSGF_MENU || !gTracking.bar || gTracking.target) return next;
    auto& msg = *reinterpret_cast<MSG*>(lParam);
    TWinSkinMenu& bar = *gTracking.bar;
    const bool rightToLeft = bar.frame_.RightToLeft();
    TMenuBtn* target = nullptr;
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RIGHT || msg.wParam == VK_LEFT)) {
        const bool forward = (msg.wParam == VK_RIGHT) != rightToLeft;
        if (forward && !gTracking.onPopupItem) target = bar.Neighbour(*gTracking.open, 1);
        if (!forward && gTracking.atTopLevel) target = bar.Neighbour(*gTracking.open, -1);
    } else if (msg.message == WM_MENUSELECT) {
        const UINT flags = HIWORD(msg.wParam);
        gTracking.onPopupItem = flags != 0xFFFF && (flags & MF_POPUP);
        gTracking.atTopLevel = reinterpret_cast<HMENU>(msg.lParam) == gTracking.open->SubMenu;
    } else if (msg.message == WM_MOUSEMOVE) {
        POINT p{};
        GetCursorPos(&p);
        if (p.x != gTracking.lastPointer.x || p.y != gTracking.lastPointer.y) {
            gTracking.lastPointer = p;
            RECT r{};
            GetWindowRect(bar.frame_.Handle(), &r);
            target = bar.ItemAt(POINT{p.x - r.left, p.y - r.top});
        }
    }
    if (target && target != gTracking.open) {
        gTracking.target = target;
        EndMenu();
        return 1;
    }
    return 0;
}

TMenuBtn* TWinSkinMenu::Track(TMenuBtn& item) {
    const HWND window = frame_.Handle();
    RECT r{};
    GetWindowRect(window, &r);
    const RECT& b = item.Bounds();
    gTracking = TTracking{this, &item};
    GetCursorPos(&gTracking.lastPointer);
    gTracking.hook = SetWindowsHookExA(WH_MSGFILTER, MessageFilter, nullptr, GetCurrentThreadId());
    frame_.StopHoverTimer();
    ownerDraw_ = std::make_unique<TNativeOwnerDraw>();
    ownerDraw_->Add(item.SubMenu);
    const UINT flags = TPM_RIGHTBUTTON | (frame_.RightToLeft() ? TPM_RIGHTALIGN : TPM_LEFTALIGN);
    TrackPopupMenu(item.SubMenu, flags, r.left + (frame_.RightToLeft() ? b.right : b.left), r.top + b.bottom, 0,
                   window, nullptr);
    if (gTracking.hook) UnhookWindowsHookEx(gTracking.hook);
    ownerDraw_.reset();
    TMenuBtn* target = gTracking.target;
    gTracking = TTracking{};
    item.MouseLeave();
    frame_.StartHoverTimer();
    return target;
}

HMENU TWinSkinMenu::TrackedMenu() const {
    return gTracking.bar == this && gTracking.open ? gTracking.open->SubMenu : nullptr;
}

void TWinSkinMenu::MenuOpening(HMENU menu) {
    if (ownerDraw_) ownerDraw_->Add(menu);
}

void TWinSkinMenu::OpenItem(TMenuBtn& first) {
    for (TMenuBtn* item = &first; item;) {
        if (!item->SubMenu) {
            PostMessageA(frame_.Handle(), WM_COMMAND, item->Command, 0);
            return;
        }
        EnsureSkinManager().SetNextMenuKind(mkMenuBar);
        if (!item->ItemEnabled) return;
        item->MouseDown();  // shown pressed while its menu is open
        item = Track(*item);
    }
}

TMenuBtn::TMenuBtn(TWinSkinMenu& bar, int index) : TNCObject(bar.Frame()), bar_(bar), index_(index) {}

void TMenuBtn::Paint() {
    HDC dc = GetWindowDC(bar_.Frame().Handle());
    if (!dc) return;
    PaintOn(dc);
    ReleaseDC(bar_.Frame().Handle(), dc);
}

void TMenuBtn::PaintOn(HDC dc) {
    const RECT& b = bounds_;
    const TSkinData& skin = *bar_.Frame().Skin();
    const RECT band = bar_.Band();
    // The item's part of the bar without highlights first.
    BitBlt(dc, b.left, b.top, b.right - b.left, b.bottom - b.top + 1, bar_.Background().Canvas()->Handle(),
           b.left - band.left, b.top - band.top, SRCCOPY);
    if (state_ == ncHot || state_ == ncPressed) {
        HBRUSH brush = CreateSolidBrush(Rgb(skin.Colours().ButtonHilight));
        FrameRect(dc, &b, brush);
        DeleteObject(brush);
    }
    TMenuFont font(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ItemEnabled ? Rgb(skin.Colours().MenuBarText) : GetSysColor(COLOR_BTNSHADOW));
    RECT text = b;
    DrawTextW(dc, Caption.c_str(), static_cast<int>(Caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
