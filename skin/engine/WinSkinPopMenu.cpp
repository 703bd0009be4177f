#include "skin/engine/WinSkinPopMenu.h"

#include "skin/WinSkinData.h"
#include "skin/engine/SkinMessages.h"
#include "skin/engine/SkinPaint.h"

namespace {

constexpr const char* kSkinnerProperty = "PelmarPopupMenuSkinner";
constexpr int kBorder = 3;

std::vector<TWinSkinPopMenu*> PopupSkinners() {
    std::vector<TWinSkinPopMenu*> skinners;
    if (const TSkinManage* manager = SkinManager())
        for (const auto& skinner : manager->MenuSkinners())
            if (auto* popup = dynamic_cast<TWinSkinPopMenu*>(skinner.get())) skinners.push_back(popup);
    return skinners;
}

// The menu's own background brush set aside while the system draws its items, so they go
// onto the skin's image.
class TClearMenuBackground {
public:
    explicit TClearMenuBackground(HMENU menu) : menu_(menu) {
        if (!menu_) return;
        saved_.cbSize = sizeof saved_;
        saved_.fMask = MIM_BACKGROUND;
        GetMenuInfo(menu_, &saved_);
        MENUINFO clear = saved_;
        clear.hbrBack = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        SetMenuInfo(menu_, &clear);
    }
    TClearMenuBackground(const TClearMenuBackground&) = delete;
    TClearMenuBackground& operator=(const TClearMenuBackground&) = delete;
    ~TClearMenuBackground() {
        if (menu_) SetMenuInfo(menu_, &saved_);
    }

private:
    HMENU menu_;
    MENUINFO saved_{};
};

}  // namespace

TWinSkinPopMenu::TWinSkinPopMenu() : subclass_(kSkinnerProperty) {}

TWinSkinPopMenu::~TWinSkinPopMenu() { Detach(); }

void TWinSkinPopMenu::Attach(HWND window, TSkinData& skin) {
    window_ = window;
    skin_ = &skin;
    background_.SetPixelFormat(pf24bit);
    subclass_.Install(window, &TWinSkinPopMenu::SubclassProc, this);
}

void TWinSkinPopMenu::Detach() { subclass_.Restore(); }

LRESULT CALLBACK TWinSkinPopMenu::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TWinSkinPopMenu*>(GetPropA(window, kSkinnerProperty));
    if (!self || !self->subclass_.Installed()) return DefWindowProcA(window, msg, wParam, lParam);
    try {
        return self->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        return self->subclass_.Installed() ? self->CallPrevious(msg, wParam, lParam) : 0;
    }
}

LRESULT TWinSkinPopMenu::CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) {
    return subclass_.CallPrevious(msg, wParam, lParam);
}

LRESULT TWinSkinPopMenu::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == SKM_QUERYSKINNED) return 1;
    const TSkinManage* manager = SkinManager();
    if (!manager || !manager->Active()) return CallPrevious(msg, wParam, lParam);
    switch (msg) {
        case WM_DESTROY:
            return subclass_.RestoreAndPass(msg, wParam, lParam);
        case WM_ERASEBKGND:
            if (!skin_->Options().Contains(xoMenuBG)) CallPrevious(msg, wParam, lParam);
            return 1;
        case WM_NCPAINT:
            if (!Background()) break;
            PaintBorder();
            return 0;
        case WM_PRINTCLIENT:
            if (!Background()) break;
            PrintClient(reinterpret_cast<HDC>(wParam), lParam);
            return 0;
        case WM_PAINT:
            if (!Background() || !FrameInClient()) break;
            {
                PAINTSTRUCT paint{};
                HDC dc = BeginPaint(window_, &paint);
                PrintClient(dc, PRF_CLIENT);
                EndPaint(window_, &paint);
            }
            return 0;
        default:
            break;
    }
    return CallPrevious(msg, wParam, lParam);
}

const TBitmap* TWinSkinPopMenu::Background() {
    const TDataSkinObject* element = skin_ && !skin_->Empty() ? skin_->Element(seMenuBackground) : nullptr;
    if (!element || element->Image.Empty()) return nullptr;
    RECT r{};
    GetWindowRect(window_, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return nullptr;
    if (background_.Width() != width || background_.Height() != height) {
        background_.SetSize(width, height);
        DrawElement(background_.Canvas()->Handle(), Rect(0, 0, width, height), *element, 1);
    }
    return &background_;
}

HMENU TWinSkinPopMenu::Menu() const {
    return reinterpret_cast<HMENU>(SendMessageA(window_, MN_GETHMENU, 0, 0));
}

POINT TWinSkinPopMenu::ClientOrigin() const {
    RECT r{};
    GetWindowRect(window_, &r);
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    return POINT{origin.x - r.left, origin.y - r.top};
}

bool TWinSkinPopMenu::FrameInClient() const {
    const POINT origin = ClientOrigin();
    return origin.x == 0 && origin.y == 0;
}

// The border first, so that it shows at once; then the whole image, which the items cover.
void TWinSkinPopMenu::PaintBorder() {
    HDC dc = GetWindowDC(window_);
    if (!dc) return;
    HDC image = background_.Canvas()->Handle();
    const int width = background_.Width(), height = background_.Height();
    BitBlt(dc, 0, 0, width, kBorder, image, 0, 0, SRCCOPY);
    BitBlt(dc, 0, height - kBorder, width, kBorder, image, 0, height - kBorder, SRCCOPY);
    BitBlt(dc, 0, 0, kBorder, height, image, 0, 0, SRCCOPY);
    BitBlt(dc, width - kBorder, 0, kBorder, height, image, width - kBorder, 0, SRCCOPY);
    BitBlt(dc, 0, 0, width, height, image, 0, 0, SRCCOPY);
    ReleaseDC(window_, dc);
}

void TWinSkinPopMenu::PrintClient(HDC dc, LPARAM flags) {
    const POINT origin = ClientOrigin();
    BitBlt(dc, -origin.x, -origin.y, background_.Width(), background_.Height(), background_.Canvas()->Handle(), 0, 0,
           SRCCOPY);
    // The items inside the border, on the image.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, kBorder - origin.x, kBorder - origin.y, background_.Width() - kBorder - origin.x,
                      background_.Height() - kBorder - origin.y);
    {
        TClearMenuBackground clear(Menu());
        CallPrevious(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), flags);
    }
    RestoreDC(dc, saved);
}

std::unique_ptr<TPopupMenuSkinner> MakePopupMenuSkinner(HWND window, TSkinData& skin) {
    auto skinner = std::make_unique<TWinSkinPopMenu>();
    skinner->Attach(window, skin);
    return skinner;
}

TWinSkinPopMenu* PopupSkinnerOfMenu(HMENU menu) {
    if (!menu) return nullptr;
    for (TWinSkinPopMenu* skinner : PopupSkinners())
        if (skinner->Menu() == menu) return skinner;
    return nullptr;
}

TMenuItemBackdrop BackdropOf(HMENU menu, const RECT& item) {
    TWinSkinPopMenu* skinner = PopupSkinnerOfMenu(menu);
    const TBitmap* image = skinner ? skinner->Background() : nullptr;
    if (!image) return {};
    const POINT origin = skinner->ClientOrigin();
    return TMenuItemBackdrop{image, POINT{item.left + origin.x, item.top + origin.y}};
}
