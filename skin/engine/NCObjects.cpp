#include "skin/engine/NCObjects.h"

#include "skin/WinSkinData.h"
#include "skin/engine/SkinManage.h"
#include "skin/engine/SkinMessages.h"
#include "skin/engine/SkinPaint.h"
#include "skin/engine/WinSkinForm.h"
#include "toolkit/Forms.h"

namespace {

// The application's icon at the small-icon size; the window's own icon bitmap when the
// application has none.
void DrawWindowIcon(HDC dc, const TBitmap& fallback, POINT at) {
    HWND app = Application ? Application->Handle() : nullptr;
    auto icon = app ? reinterpret_cast<HICON>(SendMessageA(app, WM_GETICON, ICON_SMALL, 0)) : nullptr;
    if (!icon && app) icon = reinterpret_cast<HICON>(SendMessageA(app, WM_GETICON, ICON_BIG, 0));
    const int width = GetSystemMetrics(SM_CXSMICON), height = GetSystemMetrics(SM_CYSMICON);
    if (!icon) {
        TransparentBlt(dc, at.x, at.y, fallback.Width(), fallback.Height(), fallback.Canvas()->Handle(), 0, 0,
                       fallback.Width(), fallback.Height(), RGB(255, 0, 255));
        return;
    }
    auto copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, width, height, 0));
    DrawIconEx(dc, at.x, at.y, copy ? copy : icon, width, height, 0, nullptr, DI_NORMAL);
    if (copy) DestroyIcon(copy);
}

}  // namespace

void TNCObject::Repaint() {
    mouseChange_ = true;
    owner_.PaintObject(*this);
    mouseChange_ = false;
}

void TNCObject::MouseDown() {
    if (!enabled_) return;
    if (TNCObject* hot = owner_.HotObject(); hot && hot != this) hot->MouseLeave();
    owner_.SetHotObject(this);
    state_ = ncPressed;
    Repaint();
}

void TNCObject::MouseUp() {
    if (!enabled_) return;
    owner_.SetHotObject(this);
    state_ = ncHot;
    Repaint();
}

void TNCObject::MouseEnter() {
    if (!enabled_ || owner_.HotObject() == this) return;
    if (TNCObject* hot = owner_.HotObject()) hot->MouseLeave();
    owner_.SetHotObject(this);
    state_ = ncHot;
    Repaint();
}

void TNCObject::MouseLeave() {
    if (!enabled_) return;
    if (owner_.HotObject() == this) owner_.SetHotObject(nullptr);
    state_ = ncNormal;
    Repaint();
}

TWinSysButton::TWinSysButton(TWinSkinForm& owner, const TDataSkinSysButton& record)
    : TNCObject(owner), record_(record) {}

void TWinSysButton::Update(const TCaptionState& state) {
    enabled_ = CaptionButtonShown(record_.Visibility, record_.Visibility1, record_.Action, state);
    available_ = CaptionButtonAvailable(record_.Action, state.flags);
}

SIZE TWinSysButton::Size() const {
    if (IsIcon() && record_.Image.Empty()) {
        const TBitmap& icon = owner_.IconBitmap();
        return {icon.Width(), icon.Height()};
    }
    const int frames = record_.FrameCount > 0 ? record_.FrameCount : 1;
    return {record_.Image.Width() / frames, record_.Image.Height()};
}

int TWinSysButton::FrameToDraw() const {
    const int frames = record_.FrameCount;
    if (!mouseChange_) return frames >= 4 && (!owner_.IsActive() || !available_) ? 4 : 1;
    if (!available_) return frames > 3 ? 4 : 1;
    if (state_ == ncHot && record_.Visibility == 100) return 4;
    return state_;
}

void TWinSysButton::Paint() {
    const POINT at{bounds_.left, bounds_.top};
    owner_.DrawOnFrame([&](HDC dc) {
        if (IsIcon()) {
            DrawWindowIcon(dc, owner_.IconBitmap(), at);
            return;
        }
        const SIZE size = Size();
        DrawElement(dc, ::Bounds(at.x, at.y, size.cx, size.cy), record_, FrameToDraw());
    });
}

void TWinSysButton::Act(POINT screen) {
    const HWND window = owner_.Handle();
    const TShowState show = owner_.ShowState();
    const auto post = [window](WPARAM command) { PostMessageA(window, WM_SYSCOMMAND, command, 0); };
    const auto toActiveChild = [](WPARAM command) {
        const TSkinManage* manager = SkinManager();
        if (!manager || !manager->MDIClient()) return;
        auto child = reinterpret_cast<HWND>(SendMessageA(manager->MDIClient(), WM_MDIGETACTIVE, 0, 0));
        if (child) SendMessageA(child, WM_SYSCOMMAND, command, 0);
    };
    switch (record_.Action) {
        case 0:
            if (GetMenuState(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
                owner_.StopHoverTimer();
                post(SC_CLOSE);
            }
            break;
        case 1:
        case 22:
            if (!available_) break;
            if (show == ssMaximised) {
                post(SC_RESTORE);
            } else {
                if (owner_.IsMDIChild()) EnsureSkinManager().SetMDIChildMaximized(true);
                post(SC_MAXIMIZE);
            }
            break;
        case 2:
        case 23:
            if (!available_) break;
            if (show == ssMinimised) {
                post(SC_RESTORE);
            } else {
                owner_.PrepareMinimise();
                post(SC_MINIMIZE);
            }
            break;
        case 3:
        case 11:
        case 12:
            owner_.ShowSystemMenu(POINT{screen.x + 1, screen.y + 1});
            break;
        case 4:
            post(SC_CONTEXTHELP);
            break;
        case 7:
        case 60:
            toActiveChild(SC_MINIMIZE);
            break;
        case 8:
        case 61:
            toActiveChild(SC_RESTORE);
            break;
        case 9:
        case 62:
            toActiveChild(SC_CLOSE);
            break;
        default:
            PostMessageA(window, SKM_CAPTIONACTION, static_cast<WPARAM>(record_.Action), 0);
            break;
    }
}
