#pragma once

#include "core/comm/CommApi.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace tav::test {

/// Stands in for the Win32 communications calls: records what the port asks for and answers
/// from a script. The port owns it; the test keeps a pointer to look inside.
class FakeCommApi : public CommApi {
public:
    // What the port asked for.
    std::string opened;
    bool open = false;
    std::uint32_t receiveQueue = 0;
    std::uint32_t transmitQueue = 0;
    CommLineSettings line;
    CommTimeouts timeouts;
    int purges = 0;
    int drains = 0;
    bool dtr = false;
    bool rts = false;
    std::vector<std::uint8_t> written;

    // How the calls answer.
    std::uint32_t openError = 0;   ///< nonzero: Open fails with it
    std::uint32_t queueError = 0;  ///< nonzero: SetQueues fails with it
    std::size_t writeChunk = 1000; ///< at most this many bytes per WriteFile; 0 fails
    bool readFails = false;
    std::deque<std::vector<std::uint8_t>> reads; ///< each ReadFile returns the next (empty: time-out)

    bool Open(const std::string& device) override {
        opened = device;
        error_ = openError;
        open = openError == 0;
        return open;
    }
    bool Close() override {
        open = false;
        return true;
    }
    bool SetQueues(std::uint32_t receive, std::uint32_t transmit) override {
        receiveQueue = receive;
        transmitQueue = transmit;
        error_ = queueError;
        return queueError == 0;
    }
    bool SetLine(const CommLineSettings& settings) override {
        line = settings;
        return true;
    }
    bool SetTimeouts(const CommTimeouts& t) override {
        timeouts = t;
        return true;
    }
    bool PurgeReceive() override {
        ++purges;
        return true;
    }
    bool Write(std::span<const std::uint8_t> bytes, std::size_t& done) override {
        done = std::min(bytes.size(), writeChunk);
        written.insert(written.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(done));
        return writeChunk > 0;
    }
    bool Drain() override {
        ++drains;
        return true;
    }
    bool Read(std::span<std::uint8_t> buffer, std::size_t& done) override {
        done = 0;
        if (readFails) {
            return false;
        }
        if (!reads.empty()) {
            const auto next = reads.front();
            reads.pop_front();
            done = std::min(next.size(), buffer.size());
            std::copy_n(next.begin(), done, buffer.begin());
        }
        return true;
    }
    bool SetDtr(bool on) override {
        dtr = on;
        return true;
    }
    bool SetRts(bool on) override {
        rts = on;
        return true;
    }
    std::uint32_t LastError() const override { return error_; }

private:
    std::uint32_t error_ = 0;
};

} // namespace tav::test
