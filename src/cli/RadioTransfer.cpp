#include "cli/RadioTransfer.h"

#include "cli/RadioCli.h"
#include "core/app/DocumentSession.h"

namespace tav::cli {

RadioTransfer::RadioTransfer(RadioCli& radio, DocumentSession& session, Clock& clock,
                             const std::atomic<bool>& stop)
    : session_(port_, clock, radio.Tracer()), ui_(radio.Ui()), commands_(session.Radio()) {
    session_.link().SetStopFlag(&stop);
}

} // namespace tav::cli
