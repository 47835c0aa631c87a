#include "sim/RadioSimulator.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace tav::sim {
namespace {

/// How long a partial request may wait for its remaining bytes before it counts as garbage.
constexpr auto kPartialLifetime = std::chrono::milliseconds(20);

timespec ToTimespec(std::chrono::steady_clock::duration d) {
    if (d < std::chrono::steady_clock::duration::zero()) {
        d = std::chrono::steady_clock::duration::zero();
    }
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(d).count();
    return timespec{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
}

} // namespace

RadioSimulator::RadioSimulator(SimulatorConfig config, FrameTracer* tracer)
    : radio_(std::move(config)), tracer_(tracer) {}

RadioSimulator::~RadioSimulator() {
    Stop();
}

Result RadioSimulator::Start() {
    termios raw{};
    ::cfmakeraw(&raw);
    ::cfsetispeed(&raw, B38400);
    ::cfsetospeed(&raw, B38400);
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, &raw, nullptr) != 0 ||
        ::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) {
        const std::string reason = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        CloseLine();
        return Result::Fail(kStartFailed, reason);
    }
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    devicePath_ = name;
    stop_ = false;
    thread_ = std::thread([this] { Serve(); });
    return Result::Ok();
}

void RadioSimulator::Stop() {
    stop_ = true;
    if (wake_[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(wake_[1], &byte, 1);
    }
    if (thread_.joinable()) {
        thread_.join();
    }
    CloseLine();
    for (int& fd : wake_) {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
}

void RadioSimulator::CloseLine() {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
    if (slave_ >= 0) {
        ::close(slave_);
        slave_ = -1;
    }
}

bool RadioSimulator::WaitUntil(std::chrono::steady_clock::time_point due) {
    while (!stop_) {
        const auto left = due - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero()) {
            return true;
        }
        pollfd p{wake_[0], POLLIN, 0};
        const timespec wait = ToTimespec(left);
        if (::ppoll(&p, 1, &wait, nullptr) > 0) {
            return false;
        }
    }
    return false;
}

bool RadioSimulator::WriteAll(const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            pollfd p{master_, POLLOUT, 0};
            if (::poll(&p, 1, 100) <= 0) {
                return false; // nobody reads the line: drop the reply as a line would
            }
        } else {
            return false;
        }
    }
    return true;
}

void RadioSimulator::Serve() {
    RequestParser parser;
    std::uint8_t chunk[512];
    auto lastByte = std::chrono::steady_clock::now();
    while (!stop_) {
        pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        // With a partial request buffered, wake up to drop it once the line has gone quiet.
        timespec wait{};
        const timespec* waitPtr = nullptr;
        if (parser.HasPartial()) {
            wait = ToTimespec(lastByte + kPartialLifetime - std::chrono::steady_clock::now());
            waitPtr = &wait;
        }
        const int ready = ::ppoll(fds, 2, waitPtr, nullptr);
        if (stop_ || (ready > 0 && (fds[1].revents & POLLIN) != 0)) {
            break;
        }
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        if (ready == 0) {
            if (parser.HasPartial() && std::chrono::steady_clock::now() - lastByte >= kPartialLifetime) {
                parser.DropPartial();
                if (tracer_ != nullptr) {
                    tracer_->Note("dropped an incomplete request");
                }
            }
            continue;
        }
        const ssize_t n = ::read(master_, chunk, sizeof chunk);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            continue;
        }
        if (n <= 0) {
            // With our own descriptor of the device side open this does not happen; if it does,
            // pause instead of spinning on a dead line.
            WaitUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(10));
            continue;
        }
        const auto received = std::chrono::steady_clock::now();
        lastByte = received;
        parser.Feed(std::span<const std::uint8_t>(chunk, static_cast<std::size_t>(n)));
        while (auto request = parser.Next()) {
            if (tracer_ != nullptr) {
                tracer_->Received(request->bytes, request->bytes.size(), false);
            }
            Response response;
            {
                const std::lock_guard<std::mutex> lock(mutex_);
                response = radio_.Handle(*request);
            }
            if (response.disconnect) {
                if (tracer_ != nullptr) {
                    tracer_->Note("radio disconnected");
                }
                disconnected_ = true;
                CloseLine();
                return;
            }
            if (response.bytes.empty()) {
                continue;
            }
            auto due = received + radio_.config().replyDelay;
            if (radio_.config().lineRate) {
                due += LineTime(request->bytes.size()) + LineTime(response.bytes.size());
            }
            if (!WaitUntil(due)) {
                return;
            }
            if (WriteAll(response.bytes) && tracer_ != nullptr) {
                tracer_->Sent(response.bytes);
            }
        }
        skipped_ = parser.Skipped();
    }
}

RadioImage RadioSimulator::Memory() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return radio_.memory();
}

std::vector<RequestRecord> RadioSimulator::Log() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return radio_.log();
}

void RadioSimulator::ClearLog() {
    const std::lock_guard<std::mutex> lock(mutex_);
    radio_.ClearLog();
}

int RadioSimulator::PasswordAttempts() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return radio_.passwordAttempts();
}

std::map<std::uint16_t, std::uint16_t> RadioSimulator::CommittedTuneValues() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return radio_.committedTuneValues();
}

bool RadioSimulator::TestSwitch(std::uint8_t selector) const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return radio_.testSwitch(selector);
}

} // namespace tav::sim
