#pragma once

#include "core/comm/TransferSession.h"

#include <functional>
#include <future>
#include <thread>

namespace tav {

/// Runs one transfer on a worker thread of its own. Every question and every event of the
/// transfer is called on that thread, in order; a window marshals them to its own thread and
/// waits for the answer (as a blocking send would). The worker owns the port while it runs.
class TransferWorker {
public:
    TransferWorker() = default;
    ~TransferWorker();
    TransferWorker(const TransferWorker&) = delete;
    TransferWorker& operator=(const TransferWorker&) = delete;

    /// Starts the transfer; the session, image, questions and sink must outlive the worker's run.
    /// False when a transfer is already running.
    bool Start(TransferSession& session, TransferRequest request, RadioImage& image,
               TransferQuestions questions, TransferEventSink events);
    /// True while the transfer runs.
    bool Running() const;
    /// Waits for the end of the transfer and returns its report.
    TransferReport Wait();

private:
    std::thread thread_;
    std::future<TransferReport> report_;
};

} // namespace tav
