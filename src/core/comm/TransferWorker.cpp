#include "core/comm/TransferWorker.h"

#include <chrono>

namespace tav {

TransferWorker::~TransferWorker() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

bool TransferWorker::Start(TransferSession& session, TransferRequest request, RadioImage& image,
                           TransferQuestions questions, TransferEventSink events) {
    if (Running()) {
        return false;
    }
    if (thread_.joinable()) {
        thread_.join();
    }
    std::packaged_task<TransferReport()> task(
        [&session, &image, request = std::move(request), questions = std::move(questions),
         events = std::move(events)]() { return session.Run(request, image, questions, events); });
    report_ = task.get_future();
    thread_ = std::thread(std::move(task));
    return true;
}

bool TransferWorker::Running() const {
    return report_.valid() && report_.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}

TransferReport TransferWorker::Wait() {
    TransferReport report = report_.valid() ? report_.get() : TransferReport{};
    if (thread_.joinable()) {
        thread_.join();
    }
    return report;
}

} // namespace tav
