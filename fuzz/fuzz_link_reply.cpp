// The link layer's handling of whatever comes back from the line. The far end is the simulated
// radio, whose every reply the input may let through, cut short, spoil, replace by raw bytes or
// swallow; the transfers and the factory procedures run on top of it with a clock that does not
// wait. A failed read or model read must leave the image as it was, and every procedure that
// ends must close the port (the factory connection alone leaves it open until EndSession).
//
// Input: byte 0 the procedure and the password answers, byte 1 the radio's identity, byte 2 its
// band; then one control byte per reply (0-3 pass, 4 cut, 5 spoil, 6 raw bytes, 7 silence), with
// their arguments. When the input runs out the radio answers correctly.
#include "FuzzSupport.h"
#include "core/comm/FactoryLink.h"
#include "core/comm/LinkMessages.h"
#include "core/comm/TransferSession.h"
#include "sim/RequestParser.h"
#include "sim/SimulatedRadio.h"
#include "support/ManualClock.h"

#include <deque>

namespace {

using namespace tav;

class Script {
public:
    explicit Script(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool Empty() const { return pos_ >= bytes_.size(); }
    std::uint8_t Next() { return Empty() ? 0 : bytes_[pos_++]; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

/// A serial port wired to a simulated radio through a tampering line.
class TamperedLine : public SerialPort {
public:
    TamperedLine(sim::SimulatorConfig config, Script& script) : radio_(std::move(config)), script_(script) {}

    const sim::SimulatedRadio& radio() const { return radio_; }
    bool tampered() const { return tampered_; }

    Result Open(const std::string& device) override {
        if (device != kDevice) {
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
    bool Configure(std::uint32_t, std::uint8_t, Parity, StopBits) override { return open_; }
    void SetReadTimeout(std::chrono::milliseconds) override {}
    void PurgeInput() override { input_.clear(); }
    std::size_t Write(std::span<const std::uint8_t> bytes) override {
        FUZZ_CHECK(open_);
        if (vanished_) {
            return 0;
        }
        parser_.Feed(bytes);
        while (auto request = parser_.Next()) {
            sim::Response response = radio_.Handle(*request);
            if (response.disconnect) {
                vanished_ = true;
                input_.clear();
                return 0;
            }
            Shape(response.bytes);
            input_.insert(input_.end(), response.bytes.begin(), response.bytes.end());
        }
        return bytes.size();
    }
    std::size_t Read(std::span<std::uint8_t> buffer) override {
        FUZZ_CHECK(open_);
        if (vanished_) {
            timedOut_ = false;
            return 0;
        }
        const std::size_t n = std::min(buffer.size(), input_.size());
        std::copy_n(input_.begin(), n, buffer.begin());
        input_.erase(input_.begin(), input_.begin() + static_cast<long>(n));
        timedOut_ = n < buffer.size();
        return n;
    }
    bool TimedOut() const override { return timedOut_; }
    bool SetDtr(bool) override { return open_; }
    bool SetRts(bool) override { return open_; }

    static constexpr const char* kDevice = "/dev/ttyFUZZ";

private:
    void Shape(std::vector<std::uint8_t>& reply) {
        if (script_.Empty()) {
            return;
        }
        const std::uint8_t control = script_.Next();
        switch (control & 7) {
        case 4:
            reply.resize(reply.empty() ? 0 : script_.Next() % reply.size());
            break;
        case 5:
            if (!reply.empty()) {
                reply[script_.Next() % reply.size()] ^= static_cast<std::uint8_t>(script_.Next() | 1);
            }
            break;
        case 6: {
            reply.resize(script_.Next());
            for (auto& b : reply) {
                b = script_.Next();
            }
            break;
        }
        case 7:
            reply.clear();
            break;
        default:
            return;
        }
        tampered_ = true;
    }

    sim::SimulatedRadio radio_;
    sim::RequestParser parser_;
    Script& script_;
    std::deque<std::uint8_t> input_;
    std::string name_;
    bool open_ = false;
    bool timedOut_ = false;
    bool vanished_ = false;
    bool tampered_ = false;
};

RadioImage Pattern(std::uint8_t salt) {
    RadioImage image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + (i >> 8) + salt);
    }
    return image;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const std::uint8_t procedure = data[0];
    const std::uint8_t identity = data[1];
    const std::uint8_t band = data[2];
    Script script(std::span(data + 3, size - 3));

    sim::SimulatorConfig config;
    config.memory = Pattern(0x11);
    const char* const firmwares[] = {"1.04.01", "1.05.00", "1.01.10", "1.03.02", "1.04", "", "1.02.07", "9"};
    config.firmware = firmwares[identity & 7];
    config.modelId = (identity & 8) ? "TAV200" : "TAV100";
    config.signalling = static_cast<std::uint8_t>(identity >> 4);
    config.password = (procedure & 8) ? "1234" : "";
    config.band =
        sim::SimulatorConfig::BandBytes((band & 3) == 0 ? 400 : 136 + (band & 0x3C), (band & 0x80) ? 0 : 470,
                                        static_cast<std::uint8_t>(band & 0x40));
    config.tuneValues = {{1, 0x1234}, {7, 0x00FF}};
    TamperedLine line(config, script);

    ManualClock clock;
    clock.SetLocalNow({2024, 3, 9, 14, 5, 59});
    TransferRequest request;
    request.device = TamperedLine::kDevice;
    request.rules = {"TAV100", {"TAV100"}};
    request.documentRange = "400-470";
    request.factoryLevel = (procedure & 0x40) != 0;
    TransferQuestions questions;
    const int answers = (procedure >> 4) & 3;
    questions.password = [answers](int attempt) -> std::optional<std::string> {
        if (answers == 0 || (answers == 1 && attempt == 3)) {
            return std::nullopt;
        }
        return answers == 3 || attempt == 2 ? std::string("1234") : std::string("99");
    };
    questions.inform = [](int) {};
    questions.confirmNote = [procedure](int) { return (procedure & 0x80) == 0; };
    int lastPercent = -1;
    const TransferEventSink events = [&](const TransferEvent& e) {
        FUZZ_CHECK(e.percent >= 0 && e.percent <= 100);
        if (e.kind == TransferEvent::Kind::Progress) {
            FUZZ_CHECK(e.percent >= lastPercent);
            lastPercent = e.percent;
        }
    };

    const RadioImage original = Pattern(0x77);
    RadioImage image = original;
    switch (procedure & 7) {
    case 0:
    case 1: {
        request.direction = (procedure & 7) == 0 ? TransferDirection::Read : TransferDirection::Write;
        TransferSession session(line, clock);
        const TransferReport report = session.Run(request, image, questions, events);
        FUZZ_CHECK(!line.IsOpen());
        if (request.direction == TransferDirection::Read) {
            if (!report.ok()) {
                FUZZ_CHECK(image == original);
            } else if (!line.tampered()) {
                FUZZ_CHECK(image == config.memory);
            }
        } else if (report.ok() && !line.tampered()) {
            FUZZ_CHECK(line.radio().memory()[0x0100] == image[0x0100]);
        }
        break;
    }
    case 2: {
        FactoryLink factory(line, clock);
        const TransferReport report =
            factory.Connect(request, (procedure & 0x40) ? LinkMode::Write : LinkMode::Tune);
        if (report.ok()) {
            RadioLink& link = factory.link();
            std::uint8_t value[2] = {};
            (void)link.ReadTuneValue(1, value);
            (void)link.WriteTuneValue(7, value);
            (void)link.TestSwitch(3, 1);
            (void)(procedure & 0x20 ? link.CommitTuning() : link.DiscardTuning());
        }
        factory.EndSession();
        FUZZ_CHECK(!line.IsOpen());
        break;
    }
    case 3: {
        FactoryLink factory(line, clock);
        const TransferReport report = factory.ReadModelData(request, image);
        FUZZ_CHECK(!line.IsOpen());
        FUZZ_CHECK(report.ok() || image == original);
        break;
    }
    case 4: {
        FactoryLink factory(line, clock);
        (void)factory.WriteModelData(request, image);
        FUZZ_CHECK(!line.IsOpen());
        break;
    }
    case 5: {
        FactoryLink factory(line, clock);
        const TransferReport report = factory.ReadEmbeddedData(request, image, questions);
        FUZZ_CHECK(!line.IsOpen());
        FUZZ_CHECK(report.ok() || image == original);
        break;
    }
    case 6: {
        FactoryLink factory(line, clock);
        (void)factory.WriteEmbeddedData(request, image);
        FUZZ_CHECK(!line.IsOpen());
        break;
    }
    default: {
        FactoryLink factory(line, clock);
        (void)factory.WriteTuneData(request, image);
        FUZZ_CHECK(!line.IsOpen());
        break;
    }
    }
    return 0;
}
