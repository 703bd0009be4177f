// The main window's batch runs (F9 over the file list's names, F10 over the folder tree),
// the file processor that shows each file in the "current file" box, the run log and its
// F12 save.
#include <vector>

#include "engine/BatchRun.h"
#include "engine/KeywordList.h"
#include "engine/ProcessFile.h"
#include "engine/Random.h"
#include "engine/TextFile.h"
#include "ui/FormMain.h"
#include "util/MovraTPU.h"

namespace {

// Shows the run's progress in the status bar, repainted at once since the run handles no
// messages; the bar's earlier text comes back when the run ends, however it ends.
class RunProgress {
public:
    explicit RunProgress(TStatusBar& bar) : bar_(bar), earlier_(bar.SimpleText()) {}
    RunProgress(const RunProgress&) = delete;
    RunProgress& operator=(const RunProgress&) = delete;
    ~RunProgress() { bar_.SetSimpleText(earlier_); }

    void SetTotal(std::size_t total) { total_ = total; }
    void Next(const std::string& name) {
        bar_.SetSimpleText("Processing " + std::to_string(++done_) + " of " + std::to_string(total_) + ": " + name);
        bar_.Update();
    }

private:
    TStatusBar& bar_;
    std::string earlier_;
    std::size_t total_ = 0;
    std::size_t done_ = 0;
};

}  // namespace

std::int32_t TMainForm::ProcessFile(const std::string& fileName) {
    pelmar::KeywordList keywords;
    keywords.SetText(mmoKeys->Text());
    pelmar::ProcessOptions options;
    // A text the box cannot show is refused before the file is touched.
    if (Mmo->MaxLength() > 0) options.textCapacity = static_cast<std::size_t>(Mmo->MaxLength());
    pelmar::ProcessedFile done = pelmar::ProcessFile(fileName, keywords.Lines(), pelmar::ProgramRandom(), options);
    Mmo->SetText(done.text);
    return done.count;
}

namespace {

void RunFromWindow(TMainForm& form, pelmar::BatchKind kind, const std::function<pelmar::WorkList()>& buildWorkList) {
    RunProgress progress(*form.StatBar);
    pelmar::RunBatch(
        kind, pelmar::GetAppDir(),
        [&] {
            pelmar::WorkList work = buildWorkList();
            progress.SetTotal(work.size());
            return work;
        },
        pelmar::ProgramRandom(),
        [&](const pelmar::WorkItem& item) {
            progress.Next(item.logName);
            return form.ProcessFile(item.path);
        },
        [&](const std::string& line) { form.mmOutput->Lines()->Add(line); });
}

}  // namespace

void TMainForm::btnStartClick(TObject*) {
    RunFromWindow(*this, pelmar::BatchKind::CurrentFolder, [this] {
        std::vector<std::string> names;
        const int count = FileList->Count();
        for (int i = 0; i < count; ++i) names.push_back(FileList->Items()->Get(i));
        return pelmar::CurrentFolderWorkList(FileList->Directory(), names);
    });
}

void TMainForm::Startallsubfolders1Click(TObject*) {
    RunFromWindow(*this, pelmar::BatchKind::AllSubfolders,
                  [this] { return pelmar::SubfolderWorkList(Directory->Directory()); });
}

// ---- Run log ---------------------------------------------------------------------------------

void TMainForm::SaveRunLog(const std::string& path) { pelmar::SaveTextFile(path, mmOutput->Text()); }

void TMainForm::SaveRunLogAs() {
    if (dlgSaveLog->Execute()) SaveRunLog(dlgSaveLog->FileName());
}
