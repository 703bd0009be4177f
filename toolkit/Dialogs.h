#pragma once
// Message boxes and the system's file dialogs (Win32).

#include <string>

#include "platform/Win.h"
// After <windows.h>: OPENFILENAMEA and the file dialog functions.
#include <commdlg.h>

#include "toolkit/Classes.h"
#include "toolkit/TypInfo.h"

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

// A modal message box over the active window, titled after its type ("Warning", "Error",
// "Information", "Confirm"; mtCustom: the application's title). The buttons are those of the
// system's box that covers the requested set (OK; OK Cancel; Yes No; Yes No Cancel; Retry
// Cancel; Abort Retry Ignore). Returns the modal result of the button pressed (mrOk = IDOK,
// mrYes = IDYES, …).
int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
// A box with one OK button, titled with the application's title.
void ShowMessage(const std::string& message);

enum TOpenOption {
    ofReadOnly,
    ofOverwritePrompt,
    ofHideReadOnly,
    ofNoChangeDir,
    ofPathMustExist,
    ofFileMustExist,
    ofCreatePrompt,
    ofNoReadOnlyReturn,
    ofEnableSizing,
};
using TOpenOptions = TSet<TOpenOption>;

template <>
const TEnumInfo& EnumInfo<TOpenOption>();

// The open dialog; TSaveDialog asks for a file to write.
class TOpenDialog : public TComponent {
    TOOLKIT_CLASS(TOpenDialog, TComponent)

public:
    explicit TOpenDialog(TComponent* owner);

    // Shows the dialog; true when the user chose a file (FileName then names it).
    bool Execute();

    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name) { fileName_ = name; }
    // "Description|pattern|Description|pattern", patterns separated by ";".
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& filter) { filter_ = filter; }
    // 1-based index of the filter chosen first; updated by Execute.
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& dir) { initialDir_ = dir; }
    // Added to a typed name that has no extension ("txt", without the full stop).
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& ext) { defaultExt_ = ext; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    TOpenOptions Options() const { return options_; }
    void SetOptions(TOpenOptions options) { options_ = options; }

protected:
    // GetOpenFileNameA or GetSaveFileNameA.
    virtual BOOL RunDialog(OPENFILENAMEA& request) const;

private:
    std::string fileName_;
    std::string filter_;
    int filterIndex_ = 1;
    std::string initialDir_;
    std::string defaultExt_;
    std::string title_;
    TOpenOptions options_{ofHideReadOnly, ofEnableSizing};
};

class TSaveDialog : public TOpenDialog {
    TOOLKIT_CLASS(TSaveDialog, TOpenDialog)

public:
    using TOpenDialog::TOpenDialog;

protected:
    BOOL RunDialog(OPENFILENAMEA& request) const override;
};
