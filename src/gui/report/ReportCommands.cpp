#include "gui/report/ReportCommands.h"

#include "core/app/FileFilterText.h"
#include "core/platform/AtomicFile.h"
#include "core/platform/FileAccess.h"
#include "core/platform/WallClock.h"
#include "core/report/ConfigReport.h"
#include "core/report/ReportHtml.h"
#include "gui/app/AppContext.h"
#include "gui/report/ReportDialogs.h"
#include "report/ReportDocument.h"

#include <QStringList>

namespace tav::gui {

namespace {

QString ExportFilter(const AppContext& context) {
    const std::string text =
        ToCore(context.ControlText(ReportCommands::kExportFilterText,
                                   QStringLiteral("Report Files (*.pdf *.html)|*.pdf;*.html|PDF Files "
                                                  "(*.pdf)|*.pdf|HTML Files (*.html)|*.html||")));
    QStringList filters;
    for (const FileFilter& filter : ParseFileFilter(text)) {
        filters << FromLanguage(QtNameFilter(filter));
    }
    return filters.join(QStringLiteral(";;"));
}

bool IsPdf(const QString& path) {
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

} // namespace

ReportCommands::ReportCommands(AppContext& context, ReportDialogs& dialogs, QWidget* window,
                               std::function<void()> storeEditors)
    : context_(context), dialogs_(dialogs), window_(window), storeEditors_(std::move(storeEditors)) {}

bool ReportCommands::AskSelection() {
    const std::optional<ReportSelection> chosen =
        dialogs_.ChooseSelection(window_, context_.Language(), selection_);
    if (!chosen || !chosen->Any()) {
        return false;
    }
    selection_ = *chosen;
    return true;
}

std::string ReportCommands::Html(const ReportSelection& selection) const {
    if (storeEditors_) {
        storeEditors_();
    }
    const ReportSource source = ReportSource::Describe(context_.Doc().Path(), SystemWallClock());
    return ReportHtml::Write(
        ConfigReport::Build(context_.Container(), context_.Language(), source, selection));
}

void ReportCommands::Print() {
    if (AskSelection()) {
        report::ReportDocument document(Html(selection_));
        (void)dialogs_.Print(window_, document); // a cancelled printer dialog needs no word
    }
}

void ReportCommands::PrintPreview() {
    if (AskSelection()) {
        report::ReportDocument document(Html(selection_));
        dialogs_.Preview(window_, document);
    }
}

void ReportCommands::PrintPart(ReportItem item) {
    report::ReportDocument document(Html(ReportSelection::Only(item)));
    (void)dialogs_.Print(window_, document);
}

void ReportCommands::ExportReport() {
    if (!AskSelection()) {
        return;
    }
    const std::optional<QString> path = dialogs_.ChooseReportFile(window_, ExportFilter(context_));
    if (!path) {
        return;
    }
    QString target = *path;
    if (!IsPdf(target) && !target.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive) &&
        !target.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive)) {
        target += QStringLiteral(".pdf");
    }
    context_.TellFailure(window_, Export(target, selection_));
}

Result ReportCommands::Export(const QString& path, const ReportSelection& selection) const {
    const std::filesystem::path file(ToCore(path));
    if (!context_.Doc().Path().empty() && SameFile(file, context_.Doc().Path())) {
        return Result::Fail(kMsgCannotWrite, file.string() + ": the open data file");
    }
    std::string bytes = Html(selection);
    if (IsPdf(path)) {
        std::optional<std::string> pdf = report::ReportDocument::RenderPdf(bytes);
        if (!pdf) {
            return Result::Fail(kMsgCannotWrite, file.string());
        }
        bytes = std::move(*pdf);
    }
    if (Result written = WriteFileAtomically(file, bytes); !written) {
        return Result::Fail(kMsgCannotWrite, written.detail());
    }
    return Result::Ok();
}

} // namespace tav::gui
