// SkinGallery: every toolkit control in the states a skin draws, skinned with a skin file,
// for skin authors to look at; optionally saved as a picture once painted.
//
// Usage: SkinGallery.exe SKIN.skn [--save PICTURE.png|PICTURE.bmp]
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "skin/engine/SkinManage.h"
#include "tools/skin-gallery/GalleryForm.h"
#include "tools/skin-gallery/GalleryStates.h"
#include "tools/skin-gallery/WindowPicture.h"

namespace {

constexpr DWORD kSkinningWaitMs = 5000;
constexpr DWORD kPaintWaitMs = 500;

struct TArguments {
    std::string skin;
    std::string picture;
};

bool Parse(int argc, char** argv, TArguments& arguments) {
    if (argc == 2) {
        arguments.skin = argv[1];
        return true;
    }
    if (argc != 4 || std::strcmp(argv[2], "--save") != 0) return false;
    arguments.skin = argv[1];
    arguments.picture = argv[3];
    return true;
}

// Runs the thread's messages until `done` or the time is up. The pointer's leave notices
// are dropped: they would take back the hot states that the gallery gave, since the real
// pointer is over none of those controls.
template <class Done>
bool RunMessagesUntil(DWORD milliseconds, Done done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) return false;
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            Sleep(5);
            continue;
        }
        if (msg.message == WM_MOUSELEAVE) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

void Settle(DWORD milliseconds) {
    RunMessagesUntil(milliseconds, [] { return false; });
}

bool Skinned(TGalleryForm& form) { return SkinManager() && SkinManager()->FindFormSkinner(form.Handle()); }

int Fail(const std::string& message) {
    std::fprintf(stderr, "SkinGallery: %s\n", message.c_str());
    return 1;
}

// Shows the gallery skinned, then runs it until closed, or saves its picture and ends.
int ShowGallery(const TArguments& arguments) {
    Application->Initialize();
    Application->SetTitle("Skin gallery");
    TGalleryForm* form = nullptr;
    Application->CreateForm(form);
    form->UseSkin(arguments.skin);
    form->Show();
    if (!RunMessagesUntil(kSkinningWaitMs, [form] { return Skinned(*form); }))
        return Fail("the window was not skinned within " + std::to_string(kSkinningWaitMs) + " ms");
    Settle(kPaintWaitMs);
    ForceStates(*form);
    if (arguments.picture.empty()) {
        Application->Run();
        return 0;
    }
    Settle(kPaintWaitMs);
    SaveWindowPicture(form->Handle(), arguments.picture);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    TArguments arguments;
    if (!Parse(argc, argv, arguments)) {
        std::fputs("Usage: SkinGallery.exe SKIN.skn [--save PICTURE.png|PICTURE.bmp]\n", stderr);
        return 2;
    }
    try {
        return ShowGallery(arguments);
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}
