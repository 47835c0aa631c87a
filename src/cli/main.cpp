#include "cli/CommandTable.h"

#ifdef TAV_WITH_PDF
#include "report/OffscreenGuiApp.h"
#include "report/ReportDocument.h"

#include <memory>
#endif

int main(int argc, char** argv) {
#ifdef TAV_WITH_PDF
    // Qt lays the report out for PDF; it is started only when a PDF is asked for.
    std::unique_ptr<tav::report::OffscreenGuiApp> gui;
    auto pdf = [&gui](const std::string& html) {
        if (!gui) {
            gui = std::make_unique<tav::report::OffscreenGuiApp>();
        }
        return tav::report::ReportDocument::RenderPdf(html);
    };
    return tav::cli::RunTavctl(argc, argv, pdf);
#else
    return tav::cli::RunTavctl(argc, argv);
#endif
}
