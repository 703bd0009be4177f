// The main window's batch runs (F9 over the file list's names, F10 over the folder tree),
// the file processor that shows each file in the "current file" box, the run log and its
// F12 save.
#include <optional>
#include <vector>

#include "engine/BatchRun.h"
#include "engine/KeywordList.h"
#include "engine/ProcessFile.h"
#include "engine/Random.h"
#include "engine/TextFile.h"
#include "platform/Platform.h"
#include "ui/FormMain.h"
#include "util/MovraTPU.h"

namespace {

// Shows the run's progress in the status bar. The run handles no messages, so the bar is
// repainted at once, but no more often than kInterval: painting costs more than a small
// file. The bar's earlier text comes back when the run ends, however it ends.
class RunProgress {
public:
    static constexpr std::uint32_t kInterval = 100;  // ms

    explicit RunProgress(TStatusBar& bar) : bar_(bar), earlier_(bar.SimpleText()) {}
    RunProgress(const RunProgress&) = delete;
    RunProgress& operator=(const RunProgress&) = delete;
    ~RunProgress() { bar_.SetSimpleText(earlier_); }

    void SetTotal(std::size_t total) { total_ = total; }
    void Next(const std::string& name) {
        ++done_;
        const std::uint32_t now = pelmar::platform::MillisecondTick();
        if (done_ > 1 && now - shownAt_ < kInterval) return;
        shownAt_ = now;
        bar_.SetSimpleText("Processing " + std::to_string(done_) + " of " + std::to_string(total_) + ": " + name);
        bar_.Update();
    }

private:
    TStatusBar& bar_;
    std::string earlier_;
    std::size_t total_ = 0;
    std::size_t done_ = 0;
    std::uint32_t shownAt_ = 0;
};

// The "current file" box is filled once, with the last file's text, when the run ends, also
// when a failure ends it: the run handles no messages, so the texts of the files before
// are never seen, and filling a box with a page's text costs far more than rewriting the
// page (some 35 ms for 50 KB under Wine, ten times the rest of the file's work).
void RunFromWindow(TMainForm& form, pelmar::BatchKind kind, const std::function<pelmar::WorkList()>& buildWorkList) {
    RunProgress progress(*form.StatBar);
    std::optional<std::string> lastText;
    const auto showLastText = [&] {
        if (lastText) form.Mmo->SetText(*lastText);
    };
    try {
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
                pelmar::ProcessedFile done = form.RewriteFile(item.path);
                lastText = std::move(done.text);
                return done.count;
            },
            [&](const std::string& line) { form.mmOutput->Lines()->Add(line); });
    } catch (...) {
        showLastText();
        throw;
    }
    showLastText();
}

}  // namespace

pelmar::ProcessedFile TMainForm::RewriteFile(const std::string& fileName) {
    pelmar::KeywordList keywords;
    keywords.SetText(mmoKeys->Text());
    pelmar::ProcessOptions options;
    // A text the box cannot show is refused before the file is touched.
    if (Mmo->MaxLength() > 0) options.textCapacity = static_cast<std::size_t>(Mmo->MaxLength());
    return pelmar::ProcessFile(fileName, keywords.Lines(), pelmar::ProgramRandom(), options);
}

std::int32_t TMainForm::ProcessFile(const std::string& fileName) {
    pelmar::ProcessedFile done = RewriteFile(fileName);
    Mmo->SetText(done.text);
    return done.count;
}

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
