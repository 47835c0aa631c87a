#pragma once

#include "core/comm/LinkMessages.h"
#include "core/comm/SerialPort.h"

#include <deque>
#include <vector>

namespace tav::test {

/// A port whose far end follows a script: each request written takes the next scripted reply
/// (an empty reply is silence). Records every request.
class ScriptedPort : public SerialPort {
public:
    using Bytes = std::vector<std::uint8_t>;

    void Script(Bytes reply) { replies_.push_back(std::move(reply)); }
    void Silence(int times = 1) {
        for (int i = 0; i < times; ++i) {
            replies_.push_back({});
        }
    }
    const std::vector<Bytes>& requests() const { return requests_; }
    std::size_t pending() const { return replies_.size(); }

    Result Open(const std::string& device) override {
        if (device == "missing") {
            return Result::Fail(kMsgPortMissing, device + " does not exist");
        }
        open_ = true;
        name_ = device;
        return Result::Ok();
    }
    bool Close() override {
        open_ = false;
        name_.clear();
        return true;
    }
    bool IsOpen() const override { return open_; }
    const std::string& Name() const override { return name_; }
    bool Configure(std::uint32_t, std::uint8_t, Parity, StopBits) override { return true; }
    void SetReadTimeout(std::chrono::milliseconds) override {}
    void PurgeInput() override { input_.clear(); }
    std::size_t Write(std::span<const std::uint8_t> bytes) override {
        requests_.emplace_back(bytes.begin(), bytes.end());
        if (!replies_.empty()) {
            input_.insert(input_.end(), replies_.front().begin(), replies_.front().end());
            replies_.pop_front();
        }
        return bytes.size();
    }
    std::size_t Read(std::span<std::uint8_t> buffer) override {
        const std::size_t n = std::min(buffer.size(), input_.size());
        std::copy_n(input_.begin(), n, buffer.begin());
        input_.erase(input_.begin(), input_.begin() + static_cast<long>(n));
        timedOut_ = n < buffer.size();
        return n;
    }
    bool TimedOut() const override { return timedOut_; }
    bool SetDtr(bool) override { return open_; }
    bool SetRts(bool) override { return open_; }

private:
    std::deque<Bytes> replies_;
    std::vector<Bytes> requests_;
    std::deque<std::uint8_t> input_;
    bool open_ = false;
    bool timedOut_ = false;
    std::string name_;
};

} // namespace tav::test
