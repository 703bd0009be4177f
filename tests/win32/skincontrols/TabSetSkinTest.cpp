// The toolkit's tab set drawn with the skin's tab frames, and another library's page
// control given the skin's tab frames as its tab backgrounds until it is unskinned.
#include "ControlFixture.h"

#include "skin/controls/SkinAdvPage.h"
#include "skin/controls/SkinTab31.h"
#include "toolkit/Tabs.h"

using namespace controltest;

namespace {

// A page control of another library: it draws its tabs on bitmaps it publishes.
class TTestAdvPage : public TCustomControl {
    TOOLKIT_CLASS(TTestAdvPage, TCustomControl)

public:
    using TCustomControl::TCustomControl;
    TBitmap* TabBackGround() const { return background_.get(); }
    TBitmap* TabBackGroundActive() const { return active_.get(); }

private:
    std::unique_ptr<TBitmap> background_ = std::make_unique<TBitmap>();
    std::unique_ptr<TBitmap> active_ = std::make_unique<TBitmap>();
};

}  // namespace

const TClassInfo& TTestAdvPage::StaticClass() {
    using C = TTestAdvPage;
    using P = TProps<C>;
    static const TClassInfo info("TTestAdvPage", &TCustomControl::StaticClass(), nullptr,
                                 {P::Object("TabBackGround", &C::TabBackGround),
                                  P::Object("TabBackGroundActive", &C::TabBackGroundActive)});
    return info;
}

TEST_F(ControlsTest, TabSetsSelectedTabAndTheOthersFromTheSkin) {
    for (const auto& [position, selected] : {std::pair{tpBottom, 2}, std::pair{tpTop, 0}}) {
        TTabSet& set = Make<TTabSet>(10, 10, 300, 24);
        for (const char* caption : {"Browse", "Log", "Keywords"}) set.Tabs()->Add(caption);
        set.SetTabPosition(position);
        set.SetTabIndex(selected);
        Skin<TSkinTab31>(set);
        const std::unique_ptr<TBitmap> printed = Printed(set.Handle());
        for (int i = 0; i < 3; ++i) {
            const TRect tab = set.TabRect(i);
            EXPECT_EQ(skintest::PixelOf(*printed, tab.left + set.Slant() / 2 + 2, (tab.top + tab.bottom) / 2),
                      PartColour(kTabs, i == selected ? 2 : 1))
                << "tab " << i << " selecting " << selected;
        }
        EXPECT_EQ(skintest::PixelOf(*printed, 295, 12), kParent) << "past the tabs";
    }
}

TEST(ControlSelection, AdvPageControlGetsTheSkinsTabBackgroundsUntilUnskinned) {
    frametest::SkinnedForm form(ControlSkin());
    form.SetSkinned(false);
    form.Skin().Skin3rd()->Add("TTestAdvPage=advpagecontrol");
    auto* page = new TTestAdvPage(&form.Form());
    page->SetParent(&form.Form());
    page->HandleNeeded();
    page->TabBackGround()->SetSize(3, 3);
    form.SetSkinned(true);
    ASSERT_TRUE(dynamic_cast<TSkinAdvPage*>(form.Skinner()->FindControlSkinner(page->Handle())));
    for (const auto& [bitmap, frame] : {std::pair{page->TabBackGround(), 1}, std::pair{page->TabBackGroundActive(), 2}}) {
        EXPECT_EQ(bitmap->Width(), 20);
        EXPECT_EQ(skintest::PixelOf(*bitmap, 19, 11), PartColour(kTabs, frame));
    }
    form.SetSkinned(false);
    EXPECT_EQ(page->TabBackGround()->Width(), 3);
    EXPECT_TRUE(page->TabBackGroundActive()->Empty());
}
