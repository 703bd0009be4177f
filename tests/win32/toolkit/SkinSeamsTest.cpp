// What the skin engine relies on in the toolkit: hooks that come off in any order, windowless
// controls painted through their own hook, and bidirectional modes as window styles.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>

#include "ToolkitTestControls.h"
#include "tests/support/Pump.h"
#include "toolkit/WindowHook.h"

namespace {

struct HookScene {
    TForm* form = new TForm(nullptr);
    TProbeButton* button = new TProbeButton(form);
    std::vector<std::string> seen;
    HookScene() { button->SetParent(form); }
    ~HookScene() { form->Free(); }
    std::unique_ptr<TWindowHook> Hook(const std::string& name) {
        return std::make_unique<TWindowHook>(*button, [this, name](TMessage& m, const TWndMethod& next) {
            if (m.Msg == WM_USER) seen.push_back(name);
            next(m);
        });
    }
    std::vector<std::string> Send() {
        seen.clear();
        button->Perform(WM_USER);
        return seen;
    }
};

}  // namespace

TEST(SkinSeams, HooksComeOffFromAnyPositionOfTheChain) {
    using Names = std::vector<std::string>;
    // Each row: the order in which three hooks (a below b below c) come off.
    const std::vector<Names> orders = {{"a", "b", "c"}, {"c", "b", "a"}, {"b", "a", "c"}, {"b", "c", "a"}};
    for (const Names& order : orders) {
        HookScene s;
        const TWndMethod original = s.button->WindowProc;
        std::map<std::string, std::unique_ptr<TWindowHook>> hooks;
        for (const char* name : {"a", "b", "c"}) hooks[name] = s.Hook(name);
        Names expected = {"c", "b", "a"};
        EXPECT_EQ(s.Send(), expected);
        for (const std::string& name : order) {
            hooks[name]->Remove();
            EXPECT_FALSE(hooks[name]->Installed());
            std::erase(expected, name);
            EXPECT_EQ(s.Send(), expected) << "after removing " << name;
        }
        // Nothing of the chain is left: the control's own handler is WindowProc again.
        EXPECT_EQ(s.button->WindowProc.target_type(), original.target_type());
        // A new hook after all that sits in front as usual.
        auto d = s.Hook("d");
        EXPECT_EQ(s.Send(), Names{"d"});
    }
}

TEST(SkinSeams, AHookThatRemovesItselfWhileRunningReturnsSafely) {
    HookScene s;
    auto below = s.Hook("below");
    std::unique_ptr<TWindowHook> self;
    self = std::make_unique<TWindowHook>(*s.button, [&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == WM_NCDESTROY) {
            self->Remove();
            self.reset();  // the hook object itself is gone too, as a skinner that frees itself
            next(m);
            return;
        }
        next(m);
    });
    HWND window = s.button->Handle();
    s.button->Perform(WM_NCDESTROY);  // as a detaching skinner sees it
    EXPECT_EQ(self, nullptr);
    EXPECT_EQ(s.Send(), std::vector<std::string>{"below"});
    EXPECT_TRUE(IsWindow(window));
}

TEST(SkinSeams, AWindowlessControlIsPaintedThroughItsOwnHook) {
    TForm* form = new TForm(nullptr);
    auto* box = new TProbeBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 20, 20);
    form->SetBounds(0, 0, 200, 200);
    int hooked = 0;
    TWindowHook hook(*box, [&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == WM_PAINT && m.WParam) {
            ++hooked;  // taken over: the box's own Paint does not run
            FillRect(reinterpret_cast<HDC>(m.WParam), std::array<RECT, 1>{RECT{0, 0, 20, 20}}.data(),
                     static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            return;
        }
        next(m);
    });
    form->Show();
    UpdateWindow(form->Handle());
    pelmar::testing::Pump();
    EXPECT_GT(hooked, 0);
    EXPECT_EQ(box->paints, 0);
    hook.Remove();
    form->Invalidate();
    UpdateWindow(form->Handle());
    EXPECT_GT(box->paints, 0);
    form->Free();
}

TEST(SkinSeams, BiDiModeSetsTheWindowsExtendedStyles) {
    constexpr DWORD rtl = WS_EX_RTLREADING, right = WS_EX_RIGHT, left = WS_EX_LEFTSCROLLBAR;
    const std::vector<std::pair<TBiDiMode, DWORD>> rows = {
        {bdLeftToRight, 0},
        {bdRightToLeft, rtl | right | left},
        {bdRightToLeftNoAlign, rtl | left},
        {bdRightToLeftReadingOnly, rtl},
    };
    for (const auto& [mode, bits] : rows) {
        TForm* form = new TForm(nullptr);
        auto* created = new TProbePanel(form);  // the mode set before the window exists
        auto* changed = new TProbePanel(form);  // and changed on a live window
        created->SetParent(form);
        changed->SetParent(form);
        created->SetBiDiMode(mode);
        changed->HandleNeeded();
        changed->SetBiDiMode(bdRightToLeftReadingOnly);
        changed->SetBiDiMode(mode);
        for (TWinControl* c : {static_cast<TWinControl*>(created), static_cast<TWinControl*>(changed)}) {
            const auto exStyle = static_cast<DWORD>(GetWindowLongA(c->Handle(), GWL_EXSTYLE));
            EXPECT_EQ(exStyle & (rtl | right | left), bits) << "mode " << mode;
        }
        form->Free();
    }
}
