// Which windows the manager adopts, with which skin component, and its requests.
#include "FrameFixture.h"
#include "skin/engine/SkinMessages.h"

using namespace frametest;

TEST(SkinManager, ChoosesTheSkinComponentForAWindow) {
    TForm* owner = new TForm(nullptr);
    owner->HandleNeeded();
    EnsureSkinManager();
    const auto make = [&](TSkinFormType type, TComponent* componentOwner) {
        auto* data = new TSkinData(componentOwner);
        data->SetSkinFormtype(type);
        data->Loaded();
        return data;
    };
    TForm* holder = new TForm(nullptr);
    TSkinData* main1 = make(sfMainform, holder);
    TSkinData* dialog = make(sfDialog, holder);
    TSkinData* main2 = make(sfMainform, holder);
    TSkinData* own = make(sfOnlyThisForm, owner);
    TSkinManage& m = *SkinManager();
    HWND dialogWindow = CreateWindowExA(0, "#32770", "d", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(m.FindSkinData(owner->Handle()), own);       // its own component first
    EXPECT_EQ(m.FindSkinData(dialogWindow), dialog);       // dialogs take the dialog component
    EXPECT_EQ(m.FindSkinData(holder->Handle()), main2);    // otherwise the last main-form one
    dialog->Free();
    EXPECT_EQ(m.FindSkinData(dialogWindow), main2);        // a dialog without one takes that too
    main1->Free();
    main2->Free();
    own->Free();
    DestroyWindow(dialogWindow);
    holder->Free();
    owner->Free();
}

TEST(SkinManager, FiltersWindowsByClassAndStyle) {
    SkinnedForm f;  // makes its component the manager's default
    TSkinManage& m = *SkinManager();
    const auto window = [](const char* className, DWORD style) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = className;
        RegisterClassA(&wc);
        return CreateWindowExA(0, className, "w", style, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    };
    HWND preview = window("TPrintPreviewForm", WS_POPUP);
    HWND dialog = window("#32770", WS_POPUP);
    HWND dialog200 = window("#32770", WS_POPUP | 0x200);
    HWND calendar = window("SysMonthCal32", WS_POPUP);
    EXPECT_TRUE(m.CanSkinWindow(preview, "TPrintPreviewForm"));  // xoPreview is on by default
    f.Skin().SetOptions(TSkinOptions{});
    EXPECT_FALSE(m.CanSkinWindow(preview, "TPrintPreviewForm"));
    EXPECT_TRUE(m.CanSkinWindow(dialog, "#32770"));
    EXPECT_FALSE(m.CanSkinWindow(dialog200, "#32770"));
    EXPECT_FALSE(m.CanSkinWindow(calendar, "SysMonthCal32"));
    f.Skin().OnFormSkin = [](TObject*, std::string, bool&) {};  // the handler alone decides
    EXPECT_TRUE(m.CanSkinWindow(calendar, "SysMonthCal32"));
    for (HWND w : {preview, dialog, dialog200, calendar}) DestroyWindow(w);
}

TEST(SkinManager, AdoptsEachWindowOnceAndNeverATaggedOne) {
    SkinnedForm f;
    TSkinManage& m = *SkinManager();
    EXPECT_EQ(SendMessageA(f.Handle(), SKM_QUERYSKINNED, 0, 0), 1);
    EXPECT_FALSE(m.SkinWindow(f.Handle()));  // a second path finds it skinned
    size_t count = m.FormSkinners().size();
    TForm* tagged = new TForm(nullptr);
    tagged->SetTag(99);
    tagged->SetBounds(0, 0, 100, 100);
    tagged->Show();
    Pump();
    f.Skin().SetDisableTag(5);  // the form tag is fixed, whatever the component says
    EXPECT_FALSE(m.SkinWindow(tagged->Handle()));
    TForm* hidden = new TForm(nullptr);
    hidden->SetBounds(0, 0, 100, 100);
    hidden->HandleNeeded();
    f.SetSkinned(false);
    f.SetSkinned(true);  // a sweep skins visible forms only
    EXPECT_EQ(m.FindFormSkinner(hidden->Handle()), nullptr);
    EXPECT_EQ(m.FindFormSkinner(tagged->Handle()), nullptr);
    EXPECT_EQ(m.FormSkinners().size(), count);
    tagged->Free();
    hidden->Free();
}

TEST(SkinManager, ActiveOffAndOnUnskinsAndReskinsEveryVisibleForm) {
    SkinnedForm first;
    TForm* second = new TForm(nullptr);
    second->SetBounds(50, 50, 200, 150);
    second->Show();
    Pump();  // activated: the hook adopts it
    TSkinManage& m = *SkinManager();
    EXPECT_NE(m.FindFormSkinner(second->Handle()), nullptr);
    first.SetSkinned(false);
    EXPECT_TRUE(m.FormSkinners().empty());
    EXPECT_NE(SendMessageA(second->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
    first.SetSkinned(true);
    EXPECT_NE(m.FindFormSkinner(first.Handle()), nullptr);
    EXPECT_NE(m.FindFormSkinner(second->Handle()), nullptr);
    const HWND secondWindow = second->Handle();
    second->Free();
    Pump();
    m.PurgeFormSkinners();
    EXPECT_EQ(m.FindFormSkinner(secondWindow), nullptr);  // a destroyed window's skinner goes
}
