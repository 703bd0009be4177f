// Programs built on the toolkit carry a manifest: without it the system hands them the
// old common controls, and tabs, status bars and up-downs look and behave differently.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/Win.h"

namespace {

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string LoadedModulePath(const char* name) {
    HMODULE module = LoadLibraryA(name);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    return path;
}

}  // namespace

TEST(ProgramManifest, CommonControlsComeFromTheVersion6Assembly) {
    const std::string path = LowerCase(LoadedModulePath("comctl32.dll"));
    EXPECT_NE(path.find("winsxs"), std::string::npos) << path;
    EXPECT_NE(path.find("common-controls"), std::string::npos) << path;
}
