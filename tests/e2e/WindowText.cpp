// Prints the text of every child window of one class inside the top-level window with a
// given title, so that the end-to-end script can read what the running program shows (its
// run log) without going through a dialog.
// Usage: WindowText.exe TITLE CLASS
#include <cstdio>
#include <string>

#include "platform/Win.h"

namespace {

struct Search {
    std::string className;
    int found = 0;
};

BOOL CALLBACK PrintIfOfClass(HWND child, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    char className[256] = {};
    GetClassNameA(child, className, sizeof(className));
    if (lstrcmpiA(className, search.className.c_str()) != 0) return TRUE;
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(child, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return TRUE;
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(child, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             5000, &copied))
        return TRUE;
    std::fwrite(text.data(), 1, copied, stdout);
    std::fputc('\n', stdout);
    ++search.found;
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: WindowText TITLE CLASS\n");
        return 2;
    }
    HWND top = FindWindowA(nullptr, argv[1]);
    if (!top) {
        std::fprintf(stderr, "no window titled \"%s\"\n", argv[1]);
        return 1;
    }
    Search search{argv[2]};
    EnumChildWindows(top, PrintIfOfClass, reinterpret_cast<LPARAM>(&search));
    if (search.found == 0) {
        std::fprintf(stderr, "no window of class %s in \"%s\"\n", argv[2], argv[1]);
        return 1;
    }
    return 0;
}
