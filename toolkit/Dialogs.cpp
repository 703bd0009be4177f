#include "toolkit/Dialogs.h"

#include <vector>

#include "platform/AnsiText.h"
#include "toolkit/Forms.h"

namespace {

// The application's title; before there is an application, the program's file name without
// folder and extension.
std::string ProgramTitle() {
    if (Application) return Application->Title();
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    name.erase(0, pelmar::platform::FindLastPathDelimiter(name) + 1);
    return name.substr(0, name.rfind('.'));
}

UINT ButtonsStyle(TMsgDlgButtons buttons) {
    if (buttons.Contains(mbAbort) || buttons.Contains(mbIgnore)) return MB_ABORTRETRYIGNORE;
    if (buttons.Contains(mbRetry)) return MB_RETRYCANCEL;
    if (buttons.Contains(mbYes) || buttons.Contains(mbNo)) return buttons.Contains(mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
    return buttons.Contains(mbCancel) ? MB_OKCANCEL : MB_OK;
}

int ShowBox(const std::string& message, const std::string& caption, UINT style) {
    HWND owner = GetActiveWindow();
    return MessageBoxA(owner, message.c_str(), caption.c_str(), style | (owner ? 0 : MB_TASKMODAL));
}

// "Text|*.txt|All|*.*" as the system wants it: NUL-separated, ending in two NULs.
std::string NulSeparated(const std::string& filter) {
    std::string list = filter;
    for (char& c : list)
        if (c == '|') c = '\0';
    list.append(2, '\0');
    return list;
}

DWORD OptionFlags(TOpenOptions options) {
    static constexpr DWORD kFlags[] = {OFN_READONLY,       OFN_OVERWRITEPROMPT, OFN_HIDEREADONLY,
                                       OFN_NOCHANGEDIR,    OFN_PATHMUSTEXIST,   OFN_FILEMUSTEXIST,
                                       OFN_CREATEPROMPT,   OFN_NOREADONLYRETURN, OFN_ENABLESIZING};
    DWORD flags = OFN_EXPLORER;
    for (std::size_t i = 0; i < std::size(kFlags); ++i)
        if (options.Contains(static_cast<TOpenOption>(i))) flags |= kFlags[i];
    return flags;
}

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int) {
    struct Look {
        const char* caption;
        UINT icon;
    };
    static constexpr Look kLooks[] = {{"Warning", MB_ICONWARNING},
                                      {"Error", MB_ICONERROR},
                                      {"Information", MB_ICONINFORMATION},
                                      {"Confirm", MB_ICONQUESTION},
                                      {nullptr, 0}};
    const Look& look = kLooks[type];
    return ShowBox(message, look.caption ? look.caption : ProgramTitle(), ButtonsStyle(buttons) | look.icon);
}

void ShowMessage(const std::string& message) { ShowBox(message, ProgramTitle(), MB_OK); }

template <>
const TEnumInfo& EnumInfo<TOpenOption>() {
    static const TEnumInfo info{"TOpenOption",
                                {"ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir", "ofPathMustExist",
                                 "ofFileMustExist", "ofCreatePrompt", "ofNoReadOnlyReturn", "ofEnableSizing"}};
    return info;
}

const TClassInfo& TOpenDialog::StaticClass() {
    using C = TOpenDialog;
    using P = TProps<C>;
    static const TClassInfo info(
        "TOpenDialog", &TComponent::StaticClass(), Creator<C>(),
        {
            P::String("DefaultExt", &C::DefaultExt, &C::SetDefaultExt),
            P::String("FileName", &C::FileName, &C::SetFileName),
            P::String("Filter", &C::Filter, &C::SetFilter),
            P::Integer("FilterIndex", &C::FilterIndex, &C::SetFilterIndex).Default(1),
            P::String("InitialDir", &C::InitialDir, &C::SetInitialDir),
            P::Set("Options", &C::Options, &C::SetOptions).Default(TOpenOptions{ofHideReadOnly, ofEnableSizing}.Bits()),
            P::String("Title", &C::Title, &C::SetTitle),
        });
    return info;
}
TOOLKIT_REGISTER(TOpenDialog);

const TClassInfo& TSaveDialog::StaticClass() {
    static const TClassInfo info("TSaveDialog", &TOpenDialog::StaticClass(), Creator<TSaveDialog>());
    return info;
}
TOOLKIT_REGISTER(TSaveDialog);

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

bool TOpenDialog::Execute() {
    std::vector<char> file(32768, '\0');
    fileName_.copy(file.data(), file.size() - 1);
    const std::string filter = NulSeparated(filter_);
    OPENFILENAMEA request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = GetActiveWindow();
    request.lpstrFilter = filter_.empty() ? nullptr : filter.c_str();
    request.nFilterIndex = static_cast<DWORD>(filterIndex_);
    request.lpstrFile = file.data();
    request.nMaxFile = static_cast<DWORD>(file.size());
    request.lpstrInitialDir = OrNull(initialDir_);
    request.lpstrTitle = OrNull(title_);
    request.lpstrDefExt = OrNull(defaultExt_);
    request.Flags = OptionFlags(options_);
    if (!RunDialog(request)) {
        if (const DWORD error = CommDlgExtendedError())
            throw EInvalidOperation(Format("The file dialog failed (error 0x%lX)", static_cast<unsigned long>(error)));
        return false;  // cancelled
    }
    fileName_ = file.data();
    filterIndex_ = static_cast<int>(request.nFilterIndex);
    return true;
}

BOOL TOpenDialog::RunDialog(OPENFILENAMEA& request) const { return GetOpenFileNameA(&request); }

BOOL TSaveDialog::RunDialog(OPENFILENAMEA& request) const { return GetSaveFileNameA(&request); }
