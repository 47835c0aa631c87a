#pragma once

#include "core/comm/CSerialPort.h"
#include "core/comm/TransferSession.h"
#include "sim/RadioSimulator.h"
#include "support/ManualClock.h"

#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace tav::test {

/// A memory image whose bytes tell their address apart.
inline RadioImage PatternImage(std::uint8_t salt) {
    RadioImage image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>((i * 7 + (i >> 8) + salt) & 0xFF);
    }
    return image;
}

/// Everything one transfer over a simulated radio needs. The link's fixed pauses are skipped
/// (a manual clock), the read time-outs are real.
struct SimBench {
    explicit SimBench(sim::SimulatorConfig config) : simulator(std::move(config)) {
        const Result start = simulator.Start();
        started = start.ok();
        EXPECT_TRUE(started) << start.detail();
        clock.SetLocalNow({2024, 3, 9, 14, 5, 59});
        request.device = simulator.DevicePath();
        request.rules = {"TAV100", {"TAV100"}};
        request.documentRange = "400-470";
        questions.confirmNote = [this](int id) {
            notes.push_back(id);
            return true;
        };
        questions.inform = [this](int id) { informed.push_back(id); };
    }

    TransferReport Run(TransferDirection direction, RadioImage& image) {
        request.direction = direction;
        TransferSession session(port, clock);
        session.link().SetStopFlag(&stop);
        return session.Run(request, image, questions, [this](const TransferEvent& e) {
            events.push_back(e);
            if (events.size() == stopAfterEvents) {
                stop = true;
            }
        });
    }

    /// The requests of one kind that the radio received, in order.
    std::vector<sim::RequestRecord> Requests(LinkCommand command) const {
        std::vector<sim::RequestRecord> found;
        for (const auto& r : simulator.Log()) {
            if (r.command == command) {
                found.push_back(r);
            }
        }
        return found;
    }

    sim::RadioSimulator simulator;
    bool started = false;
    CSerialPort port;
    ManualClock clock;
    TransferRequest request;
    TransferQuestions questions;
    std::vector<TransferEvent> events;
    std::vector<int> notes;
    std::vector<int> informed;
    /// Set as if the user pressed Ctrl+C once this many events were reported (0: never).
    std::atomic<bool> stop{false};
    std::size_t stopAfterEvents = 0;
};

} // namespace tav::test
