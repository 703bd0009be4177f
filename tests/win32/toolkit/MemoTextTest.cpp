// Memos and rich edits: a long text given before the window exists, and lines added at the
// end as a run log adds them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win32/controls/ControlsTestSupport.h"
#include "toolkit/ComCtrls.h"

namespace {

struct MemoKind {
    const char* name;
    TCustomMemo* (*make)(TWinControl* parent);
    const char* capacityError;
};

const MemoKind kKinds[] = {
    {"memo", [](TWinControl* p) -> TCustomMemo* { return Make<TMemo>(p); }, "Text exceeds memo capacity"},
    {"rich edit", [](TWinControl* p) -> TCustomMemo* { return Make<TRichEdit>(p); }, "RichEdit line insertion error"},
};

// `count` characters in lines of 50 with their line breaks.
std::string TextOf(size_t count) {
    std::string text;
    while (text.size() < count) text += text.size() % 50 == 48 ? "\r\n" : std::string(1, static_cast<char>('a' + text.size() % 26));
    text.resize(count);
    return text;
}

}  // namespace

TEST(MemoText, MoreThanTheDefaultLimitBeforeTheWindowExists) {
    for (const MemoKind& kind : kKinds) {
        for (int maxLength : {0, 60000}) {
            SCOPED_TRACE(std::string(kind.name) + ", MaxLength " + std::to_string(maxLength));
            FormScene scene;
            TCustomMemo* memo = kind.make(scene.form);
            memo->SetWordWrap(false);
            memo->SetMaxLength(maxLength);
            const std::string text = TextOf(40000);
            memo->SetText(text);
            int changes = 0;
            memo->OnChange = [&](TObject*) { ++changes; };
            ASSERT_FALSE(memo->HandleAllocated());
            ASSERT_NO_THROW(memo->HandleNeeded());
            EXPECT_EQ(memo->Text(), text);
            EXPECT_EQ(changes, 0);  // the window took the text the memo had
        }
    }
}

TEST(MemoText, LinesAddedAtTheEndStartOnALineOfTheirOwn) {
    struct Case {
        const char* before;
        const char* after;
        int index;
    };
    const Case cases[] = {
        {"", "one\r\n", 0},
        {"Log:", "Log:\r\none\r\n", 1},
        {"Log:\r\n", "Log:\r\none\r\n", 1},
        {"Log:\r\nnote\r\n\r\n", "Log:\r\nnote\r\n\r\none\r\n", 3},
    };
    for (const MemoKind& kind : kKinds) {
        FormScene scene;
        TCustomMemo* memo = kind.make(scene.form);
        memo->SetWordWrap(false);
        memo->HandleNeeded();
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(kind.name) + " after \"" + c.before + "\"");
            memo->SetText(c.before);
            EXPECT_EQ(memo->Lines()->Add("one"), c.index);
            EXPECT_EQ(memo->Text(), c.after);
        }
        // A line that does not fit leaves the text as it was.
        memo->SetText("Log:\r\n");
        memo->SetMaxLength(10);
        try {
            memo->Lines()->Add("a line too long");
            ADD_FAILURE() << kind.name << ": no error";
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), kind.capacityError);
        }
        EXPECT_EQ(memo->Text(), "Log:\r\n") << kind.name;
    }
}
