#include "gui/app/FileCommands.h"

#include "gui/app/AppContext.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/RecentFileList.h"
#include "gui/app/ShellTexts.h"
#include "gui/ui/FileChooser.h"

namespace tav::gui {
namespace {

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

FileCommands::FileCommands(AppContext& context, CMainFrame& frame) : context_(context), frame_(frame) {}

bool FileCommands::MayReplaceData() {
    frame_.CommitPendingEdit();
    frame_.StoreAllEditors();
    if (!context_.Doc().HasUnsavedChanges()) {
        return true;
    }
    const PromptAnswer answer =
        context_.Ask(&frame_, ShellTexts::kUnsavedQuestion, PromptButtons::YesNoCancel, PromptIcon::Warning,
                     QStringLiteral("The current data has changes that were not saved. Do you want to save "
                                    "them before it is replaced?"));
    switch (answer) {
    case PromptAnswer::Yes:
        return Save();
    case PromptAnswer::No:
        return true;
    default:
        return false;
    }
}

bool FileCommands::New(NewKind kind) {
    if (kind == NewKind::Command && !MayReplaceData()) {
        return false;
    }
    const Result made = context_.Doc().New(frame_);
    if (!made) {
        fatal_ = true;
        context_.TellFailure(&frame_, made, PromptIcon::Error);
        return false;
    }
    frame_.SetDocumentTitle({});
    if (kind != NewKind::Replace) {
        context_.Problems().Clear();
    }
    frame_.Log(FillIn(context_.Message(ShellTexts::kLogNew, QStringLiteral("New configuration for %s")),
                      {FromLanguage(context_.Settings().ModelName())}));
    return true;
}

bool FileCommands::Open() {
    if (!MayReplaceData()) {
        return false;
    }
    const std::optional<QString> path = context_.Files().ChooseOpen(&frame_, PathText(context_.Doc().Path()));
    if (!path || path->isEmpty()) {
        return false;
    }
    return OpenChecked(*path);
}

bool FileCommands::OpenPath(const QString& path) {
    return MayReplaceData() && OpenChecked(path);
}

bool FileCommands::OpenChecked(const QString& path) {
    const Result opened = context_.Doc().Open(std::filesystem::path(path.toStdString()), frame_);
    frame_.SetDocumentTitle(PathText(context_.Doc().Path()));
    if (!opened) {
        context_.TellFailure(&frame_, opened);
        return false;
    }
    Opened(path, true);
    return true;
}

bool FileCommands::OpenRecent(int commandId) {
    const QString path = context_.Recent().EntryFor(commandId);
    if (path.isEmpty() || !MayReplaceData()) {
        return false;
    }
    const Result opened = context_.Doc().OpenRecent(std::filesystem::path(path.toStdString()), frame_);
    frame_.SetDocumentTitle(PathText(context_.Doc().Path()));
    if (!opened) {
        if (opened.messageId() == Document::kRecentNotDataFile) {
            context_.Recent().Remove(path);
            frame_.RebuildMenus();
        }
        context_.TellFailure(&frame_, opened);
        return false;
    }
    Opened(path, false);
    return true;
}

void FileCommands::Opened(const QString& path, bool addToRecent) {
    if (addToRecent) {
        context_.Recent().Add(path);
        frame_.RebuildMenus();
    }
    frame_.Log(FillIn(context_.Message(ShellTexts::kLogOpened, QStringLiteral("Opened %s")), {path}));
}

bool FileCommands::Save() {
    frame_.CommitPendingEdit();
    bool needsSaveAs = false;
    const Result saved = context_.Doc().Save(frame_, needsSaveAs);
    if (!saved) {
        frame_.ShowProblemsIfAny();
        context_.TellFailure(&frame_, saved);
        return false;
    }
    if (needsSaveAs) {
        return SaveAs();
    }
    frame_.RefreshModified();
    frame_.Log(FillIn(context_.Message(ShellTexts::kLogSaved, QStringLiteral("Saved %s")),
                      {PathText(context_.Doc().Path())}));
    return true;
}

bool FileCommands::SaveAs() {
    frame_.CommitPendingEdit();
    if (const Result checked = context_.Doc().CheckReferences(); !checked) {
        frame_.ShowProblemsIfAny();
        context_.TellFailure(&frame_, checked);
        return false;
    }
    const DataFileHeader header = context_.Doc().BuildHeader();
    const std::optional<SaveChoice> choice =
        context_.Files().ChooseSave(&frame_, header, PathText(context_.Doc().Path()));
    if (!choice || choice->path.isEmpty()) {
        return false;
    }
    const Result saved = context_.Doc().SaveAs(std::filesystem::path(choice->path.toStdString()),
                                               ToCore(choice->comment), frame_);
    if (!saved) {
        frame_.ShowProblemsIfAny();
        context_.TellFailure(&frame_, saved);
        return false;
    }
    frame_.SetDocumentTitle(PathText(context_.Doc().Path()));
    context_.Recent().Add(choice->path);
    frame_.RebuildMenus();
    frame_.Log(FillIn(context_.Message(ShellTexts::kLogSaved, QStringLiteral("Saved %s")), {choice->path}));
    return true;
}

} // namespace tav::gui
