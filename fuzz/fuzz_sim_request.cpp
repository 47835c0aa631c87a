// The simulated radio's side: cutting an arbitrary byte stream into requests (fed in pieces of
// arbitrary size) and answering each one, with faults and a password chosen by the input.
//
// Input: byte 0 the radio's set-up, byte 1 the fault, then pieces: a length byte and that many
// bytes of the stream.
#include "FuzzSupport.h"
#include "sim/RequestParser.h"
#include "sim/SimulatedRadio.h"
#include "core/comm/LinkFrame.h"

using namespace tav;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    sim::SimulatorConfig config;
    config.password = (data[0] & 1) ? "1234" : "";
    config.firmware = (data[0] & 2) ? "1.05.00" : "1.04.01";
    config.tuneValues = {{1, 0x1234}};
    if (data[1] & 0x80) {
        sim::Fault fault;
        fault.kind = static_cast<sim::FaultKind>((data[1] & 0x7F) % 5);
        fault.after = (data[1] >> 3) & 7;
        fault.times = (data[1] & 0x40) ? -1 : 2;
        fault.anyRequest = (data[0] & 4) != 0;
        if (data[0] & 8) {
            fault.address = 0x0020;
        }
        config.faults.push_back(fault);
    }
    sim::SimulatedRadio radio(config);
    sim::RequestParser parser;

    std::size_t pos = 2;
    std::size_t fed = 0;
    std::size_t taken = 0;
    while (pos < size) {
        const std::size_t want = data[pos++];
        const std::size_t length = std::min(want, size - pos);
        parser.Feed(std::span(data + pos, length));
        pos += length;
        fed += length;
        if (length == 0) {
            // A quiet line: the radio drops what it holds of an incomplete frame.
            parser.DropPartial();
        }
        while (auto request = parser.Next()) {
            const auto& b = request->bytes;
            taken += b.size();
            FUZZ_CHECK(b.size() >= 4 && b.front() == frame::kStx && b.back() == frame::kEtx);
            const auto expected = sim::RequestParser::FrameLength(b);
            FUZZ_CHECK(expected && *expected == b.size());
            const sim::Response response = radio.Handle(*request);
            if (!response.bytes.empty() && config.faults.empty()) {
                FUZZ_CHECK(response.bytes.front() == frame::kStx && response.bytes.back() == frame::kEtx);
            }
            (void)frame::Describe(b);
            (void)frame::Describe(response.bytes);
        }
    }
    FUZZ_CHECK(taken + parser.Skipped() <= fed);
    FUZZ_CHECK(radio.log().size() <= fed);
    return 0;
}
