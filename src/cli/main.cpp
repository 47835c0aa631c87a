#include "cli/CommandTable.h"

#ifdef _WIN32
#include <windows.h>
#endif

#ifdef TAV_WITH_PDF
#include "report/OffscreenGuiApp.h"
#include "report/ReportDocument.h"

#include <memory>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // tavctl writes UTF-8 (the code page its manifest asks for); the console shows it as such.
    ::SetConsoleOutputCP(CP_UTF8);
#endif
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
