// Windows of controls: hooks, window classes, reflection, re-creation, layout, routing.
#include <gtest/gtest.h>

#include "ToolkitTestControls.h"
#include "tests/support/RecordedErrors.h"
#include "tests/support/WindowClassOf.h"

namespace {

using pelmar::testing::WindowClassOf;

// A form with a panel and a button on it, not shown.
struct Scene {
    TForm* form = new TForm(nullptr);
    TProbePanel* panel = new TProbePanel(form);
    TProbeButton* button = new TProbeButton(form);
    Scene() {
        form->SetBounds(100, 100, 400, 300);
        panel->SetParent(form);
        panel->SetBounds(10, 10, 200, 100);
        button->SetParent(panel);
        button->SetBounds(5, 5, 80, 24);
    }
    ~Scene() { form->Free(); }
};

}  // namespace

TEST(Controls, HooksChainInFrontAndComeOffInReverseOrder) {
    Scene s;
    s.button->HandleNeeded();
    MessageLog log;
    TWndMethod original = s.button->WindowProc;
    TWndMethod first = original;
    s.button->WindowProc = [&, first](TMessage& m) {
        log.Add("first", m.Msg);
        first(m);
    };
    TWndMethod second = s.button->WindowProc;
    s.button->WindowProc = [&, second](TMessage& m) {
        log.Add("second", m.Msg);
        if (m.Msg == WM_USER + 1) {
            m.Result = 7;  // swallowed: the earlier hook never sees it
            return;
        }
        second(m);
    };
    s.button->SetCaption("Go");
    EXPECT_EQ(s.button->Perform(WM_USER + 1), 7);
    s.button->SetEnabled(false);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"second WM_SETTEXT", "first WM_SETTEXT", "second CM_TEXTCHANGED",
                                                     "first CM_TEXTCHANGED", "second WM_USER+1",
                                                     "second CM_ENABLEDCHANGED", "first CM_ENABLEDCHANGED"}));
    // Off in reverse order: the second first, then the first.
    log.entries.clear();
    s.button->WindowProc = second;
    s.button->SetEnabled(true);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"first CM_ENABLEDCHANGED"}));
    s.button->WindowProc = first;
    log.entries.clear();
    s.button->SetEnabled(false);
    EXPECT_TRUE(log.entries.empty());
    EXPECT_EQ(s.button->Caption(), "Go");
}

TEST(Controls, WindowClassesAreNamedAfterToolkitClassesAndFindTheirControl) {
    Scene s;
    HWND button = s.button->Handle();
    EXPECT_TRUE(s.panel->HandleAllocated());  // the parents come first
    EXPECT_TRUE(s.form->HandleAllocated());
    EXPECT_EQ(WindowClassOf(button), "TProbeButton");
    EXPECT_EQ(WindowClassOf(s.panel->Handle()), "TProbePanel");
    EXPECT_EQ(WindowClassOf(s.form->Handle()), "TForm");
    EXPECT_EQ(FindControl(button), s.button);
    EXPECT_EQ(FindControl(s.form->Handle()), s.form);
    EXPECT_EQ(FindControl(GetDesktopWindow()), nullptr);
    EXPECT_EQ(FindControl(nullptr), nullptr);

    // The property is reachable by its atom string from bare Win32 code.
    const std::string atom = ControlAtomString();
    EXPECT_EQ(atom.substr(0, 10), "ControlOfs");
    EXPECT_EQ(atom.substr(atom.size() - 8), Format("%.8lX", GetCurrentThreadId()));  // ends in the thread
    EXPECT_EQ(GetPropA(button, atom.c_str()), static_cast<HANDLE>(s.button));
    EXPECT_EQ(GetParent(button), s.panel->Handle());
}

TEST(Controls, SuperclassKeepsTheSystemBehaviourAndNotificationsAreReflected) {
    Scene s;
    int clicks = 0;
    MessageLog log;
    TWndMethod previous = s.button->WindowProc;
    s.button->WindowProc = [&](TMessage& m) {
        log.Add("button", m.Msg);
        previous(m);
    };
    s.button->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, s.button);
        ++clicks;
    };
    SendMessageA(s.button->Handle(), BM_CLICK, 0, 0);  // the system BUTTON procedure clicks
    EXPECT_EQ(clicks, 1);
    EXPECT_NE(std::find(log.entries.begin(), log.entries.end(), "button CN_COMMAND"), log.entries.end());
    SetWindowTextA(s.button->Handle(), "Typed");
    EXPECT_EQ(s.button->Caption(), "Typed");
    EXPECT_EQ(GetPropText(*s.button, "caption"), "Typed");
}

TEST(Controls, AnErrorInAHandlerGoesToTheErrorBoxAndNotThroughWin32) {
    Scene s;
    pelmar::testing::RecordedErrors errors;
    s.button->OnClick = [](TObject*) { throw EConvertError("bad value"); };
    SendMessageA(s.button->Handle(), BM_CLICK, 0, 0);
    SendMessageA(s.button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(errors, (std::vector<std::string>{"bad value", "bad value"}));
}

TEST(Controls, RecreatingTheWindowKeepsStateChildrenAndHooks) {
    Scene s;
    s.panel->SetCaption("Kept");
    HWND old = s.panel->Handle();
    HWND oldButton = s.button->Handle();
    int hooked = 0;
    TWndMethod previous = s.panel->WindowProc;
    s.panel->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_USER + 1) ++hooked;
        previous(m);
    };
    s.panel->Perform(CM_RECREATEWND);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_FALSE(IsWindow(oldButton));
    HWND fresh = s.panel->Handle();
    EXPECT_NE(fresh, old);
    EXPECT_EQ(s.panel->Caption(), "Kept");
    EXPECT_TRUE(s.button->HandleAllocated());
    EXPECT_EQ(GetParent(s.button->Handle()), fresh);
    EXPECT_EQ(FindControl(fresh), s.panel);
    SendMessageA(fresh, WM_USER + 1, 0, 0);
    EXPECT_EQ(hooked, 1);
}

TEST(Controls, AlignLayoutFillsTheClientAreaInOrder) {
    TForm* form = new TForm(nullptr);
    auto* host = new TProbePanel(form);
    host->SetParent(form);
    host->SetBounds(0, 0, 300, 200);
    auto make = [&](TAlign align, int w, int h) {
        auto* p = new TProbePanel(form);
        p->SetBounds(0, 0, w, h);
        p->SetParent(host);
        p->SetAlign(align);
        return p;
    };
    TProbePanel* top = make(alTop, 10, 20);
    TProbePanel* bottom = make(alBottom, 10, 30);
    TProbePanel* left = make(alLeft, 40, 10);
    TProbePanel* client = make(alClient, 1, 1);
    TProbePanel* right = make(alRight, 50, 10);
    auto bounds = [](TControl* c) {
        return std::vector<int>{c->Left(), c->Top(), c->Width(), c->Height()};
    };
    EXPECT_EQ(bounds(top), (std::vector<int>{0, 0, 300, 20}));
    EXPECT_EQ(bounds(bottom), (std::vector<int>{0, 170, 300, 30}));
    EXPECT_EQ(bounds(left), (std::vector<int>{0, 20, 40, 150}));
    EXPECT_EQ(bounds(right), (std::vector<int>{250, 20, 50, 150}));
    EXPECT_EQ(bounds(client), (std::vector<int>{40, 20, 210, 150}));
    // With a window the same layout follows the window's own size changes.
    host->HandleNeeded();
    SetWindowPos(host->Handle(), nullptr, 0, 0, 400, 300, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(bounds(client), (std::vector<int>{40, 20, 310, 250}));
    EXPECT_EQ(bounds(right), (std::vector<int>{350, 20, 50, 250}));
    // Hiding a control gives its room to the others.
    top->SetVisible(false);
    EXPECT_EQ(bounds(left), (std::vector<int>{0, 0, 40, 270}));
    form->Free();
}

TEST(Controls, AnchorsKeepDistancesToTheParentEdges) {
    Scene s;
    s.panel->SetBounds(0, 0, 300, 200);
    auto* corner = new TProbeButton(s.form);
    corner->SetParent(s.panel);
    corner->SetBounds(200, 150, 80, 25);  // 20 from the right, 25 from the bottom
    corner->SetAnchors({akRight, akBottom});
    auto* stretch = new TProbeButton(s.form);
    stretch->SetParent(s.panel);
    stretch->SetBounds(10, 10, 270, 25);
    stretch->SetAnchors({akLeft, akTop, akRight});
    s.panel->SetBounds(0, 0, 400, 260);
    EXPECT_EQ(corner->Left(), 300);
    EXPECT_EQ(corner->Top(), 210);
    EXPECT_EQ(corner->Width(), 80);
    EXPECT_EQ(stretch->Left(), 10);
    EXPECT_EQ(stretch->Width(), 370);
    s.panel->HandleNeeded();  // and with windows
    s.panel->SetBounds(0, 0, 350, 200);
    EXPECT_EQ(corner->Left(), 250);
    EXPECT_EQ(corner->Top(), 150);
    EXPECT_EQ(stretch->Width(), 320);
}

TEST(Controls, WindowlessChildrenGetTheirMouseMessagesAndPaint) {
    Scene s;
    auto* box = new TProbeBox(s.form);
    box->SetParent(s.panel);
    box->SetBounds(100, 50, 40, 30);
    std::vector<std::string> seen;
    box->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        seen.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    };
    box->OnClick = [&](TObject*) { seen.push_back("click"); };
    int panelClicks = 0;
    s.panel->OnClick = [&](TObject*) { ++panelClicks; };
    HWND panel = s.panel->Handle();
    SendMessageA(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 60));
    SendMessageA(panel, WM_LBUTTONUP, 0, MAKELPARAM(112, 61));
    EXPECT_EQ(seen, (std::vector<std::string>{"down 10,10", "click"}));
    EXPECT_EQ(panelClicks, 0);
    SendMessageA(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 90));
    SendMessageA(panel, WM_LBUTTONUP, 0, MAKELPARAM(5, 90));
    EXPECT_EQ(panelClicks, 1);

    s.form->Show();
    Pump();
    RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    EXPECT_GT(box->paints, 0);
    HDC screen = GetDC(nullptr);
    const POINT inside = box->ClientToScreen(POINT{20, 15});
    EXPECT_EQ(GetPixel(screen, inside.x, inside.y), RGB(255, 0, 0));
    ReleaseDC(nullptr, screen);
    s.form->Hide();
}

TEST(Controls, TabOrderSkipsWhatCannotTakeFocus) {
    Scene s;
    auto* second = new TProbeButton(s.form);
    second->SetParent(s.panel);
    auto* third = new TProbeButton(s.form);
    third->SetParent(s.form);
    auto* off = new TProbeButton(s.form);
    off->SetParent(s.form);
    off->SetEnabled(false);
    s.form->Show();  // a hidden form's controls cannot take the focus
    // Tab order: panel (no tab stop), its buttons, then the form's buttons.
    EXPECT_EQ(s.form->FindNextControl(s.button, true, true), second);
    EXPECT_EQ(s.form->FindNextControl(second, true, true), third);
    EXPECT_EQ(s.form->FindNextControl(third, true, true), s.button);  // around, past `off`
    EXPECT_EQ(s.form->FindNextControl(s.button, false, true), third);
    third->SetTabOrder(0);
    EXPECT_EQ(s.form->FindNextControl(nullptr, true, true), third);
    second->SetTabStop(false);
    EXPECT_EQ(s.form->FindNextControl(s.button, true, true), third);
    s.form->Hide();
    EXPECT_EQ(s.form->FindNextControl(s.button, true, true), nullptr);
}

TEST(Controls, PublishedPropertiesOfControlsByName) {
    Scene s;
    EXPECT_TRUE(SetPropText(*s.panel, "ParentBackground", "True"));
    EXPECT_TRUE(s.panel->ParentBackground());
    EXPECT_EQ(GetPropText(*s.panel, "parentbackground"), "True");
    EXPECT_TRUE(SetPropText(*s.button, "Font.Style", "[fsBold]"));
    EXPECT_TRUE(s.button->Font()->Style().Contains(fsBold));
    EXPECT_FALSE(s.button->ParentFont());
    EXPECT_EQ(GetOrdProp(*s.panel, "Color"), s.panel->Color());
    EXPECT_EQ(GetOrdProp(*s.button, "Checked"), std::nullopt);
    EXPECT_TRUE(SetPropText(*s.panel, "Align", "alClient"));
    EXPECT_EQ(s.panel->Width(), s.form->ClientWidth());
    ASSERT_NE(GetObjectProp(*s.button, "Font"), nullptr);
    EXPECT_EQ(GetObjectProp(*s.button, "Font"), s.button->Font());
}

TEST(Controls, ParentColourAndFontFlowToChildren) {
    Scene s;
    s.button->SetParentColor(true);
    s.panel->SetColor(clYellow);
    EXPECT_EQ(s.button->Color(), clYellow);
    s.panel->SetParentColor(true);
    s.form->SetColor(clAqua);
    EXPECT_EQ(s.button->Color(), clAqua) << "grandchildren follow too";
    s.panel->Font()->SetName("Arial");
    EXPECT_EQ(s.button->Font()->Name(), "Arial");
    EXPECT_TRUE(s.button->ParentFont());
    s.button->Font()->SetHeight(-20);
    EXPECT_FALSE(s.button->ParentFont());
    s.panel->Font()->SetName("Tahoma");
    EXPECT_EQ(s.button->Font()->Name(), "Arial");
}

TEST(Controls, ChildrenDieWithTheirParentAndLeaveTheirOwner) {
    TForm* form = new TForm(nullptr);
    auto* panel = new TProbePanel(form);
    panel->SetParent(form);
    auto* button = new TProbeButton(form);
    button->SetParent(panel);
    HWND window = button->Handle();
    EXPECT_EQ(form->ComponentCount(), 2);
    panel->Free();
    EXPECT_EQ(form->ComponentCount(), 0);
    EXPECT_FALSE(IsWindow(window));
    // A plain delete leaves the parent as cleanly as Free.
    auto* other = new TProbeButton(form);
    other->SetParent(form);
    HWND otherWindow = other->Handle();
    delete other;
    EXPECT_EQ(form->ControlCount(), 0);
    EXPECT_TRUE(form->TabOrderList().empty());
    EXPECT_FALSE(IsWindow(otherWindow));
    form->Free();
}

TEST(Controls, KeyHandlersSeeKeysFirstAndCanSwallowThem) {
    Scene s;
    HWND button = s.button->Handle();
    std::vector<WORD> downs;
    s.button->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
        downs.push_back(key);
        if (key == VK_SPACE) key = 0;  // the button never sees it
    };
    std::string typed;
    s.button->OnKeyPress = [&](TObject*, char& c) { typed += c; };
    SendMessageA(button, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_FALSE(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
    s.button->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { downs.push_back(key); };
    SendMessageA(button, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED);  // now it does
    SendMessageA(button, WM_CHAR, 'q', 0);
    EXPECT_EQ(downs, (std::vector<WORD>{VK_SPACE, VK_SPACE}));
    EXPECT_EQ(typed, "q");
}

TEST(Controls, DoubleBufferedPaintingShowsBackgroundAndChildren) {
    Scene s;
    auto* box = new TProbeBox(s.form);
    box->SetParent(s.panel);
    box->SetBounds(100, 50, 40, 30);
    s.panel->SetColor(clBlue);
    s.panel->SetDoubleBuffered(true);
    s.form->Show();
    Pump();
    box->paints = 0;
    RedrawWindow(s.panel->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    EXPECT_EQ(box->paints, 1);
    HDC screen = GetDC(nullptr);
    const POINT inBox = box->ClientToScreen(POINT{20, 15});
    const POINT inPanel = s.panel->ClientToScreen(POINT{190, 90});
    EXPECT_EQ(GetPixel(screen, inBox.x, inBox.y), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(screen, inPanel.x, inPanel.y), RGB(0, 0, 255));
    ReleaseDC(nullptr, screen);
    s.form->Hide();
}
