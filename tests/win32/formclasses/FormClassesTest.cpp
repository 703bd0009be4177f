// A program that only reads form files still finds every toolkit class by name. This test
// program knows the forms and the streaming and names no control type itself: were the
// toolkit's class registrations left out of the link, the reader would not find them.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "toolkit/Forms.h"
#include "toolkit/Streaming.h"

namespace {

// One class of every family, each with its own Tag, so the test sees the class was read
// whole and not merely found.
const char* const kForm = R"(object Families: TForm
  object Menu: TMainMenu
    Tag = 1
    object MenuFile: TMenuItem
      Tag = 2
      Caption = '&File'
    end
  end
  object Images: TImageList
    Tag = 3
  end
  object OpenDialog: TOpenDialog
    Tag = 4
  end
  object Panel: TPanel
    Tag = 5
    object Button: TButton
      Tag = 6
      Caption = 'OK'
    end
  end
  object Spin: TSpinEdit
    Tag = 7
  end
  object Status: TStatusBar
    Tag = 8
  end
  object Drives: TDriveComboBox
    Tag = 9
  end
  object Files: TFileListBox
    Tag = 10
  end
  object Pages: TPageControl
    Tag = 11
    object Sheet: TTabSheet
      Tag = 12
    end
  end
  object Ticker: TTimer
    Tag = 13
    Enabled = False
  end
end
)";

}  // namespace

TEST(FormClasses, AFormFileFindsEveryToolkitFamilyByName) {
    TForm* form = new TForm(nullptr);
    ASSERT_NO_THROW(ReadComponent(*form, kForm));
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"Menu", "TMainMenu"},     {"MenuFile", "TMenuItem"}, {"Images", "TImageList"},
        {"OpenDialog", "TOpenDialog"}, {"Panel", "TPanel"},   {"Button", "TButton"},
        {"Spin", "TSpinEdit"},     {"Status", "TStatusBar"},  {"Drives", "TDriveComboBox"},
        {"Files", "TFileListBox"}, {"Pages", "TPageControl"}, {"Sheet", "TTabSheet"},
        {"Ticker", "TTimer"}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& [name, className] = expected[i];
        TComponent* component = form->FindComponent(name);
        ASSERT_NE(component, nullptr) << name;
        EXPECT_EQ(component->ClassName(), std::string(className));
        EXPECT_EQ(component->Tag(), static_cast<int>(i) + 1) << name;
    }
    form->Free();
}
