#include "core/comm/CSerialPort.h"
#include "core/comm/LinkMessages.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace tav {
namespace {

speed_t SpeedCode(std::uint32_t baud) {
    switch (baud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B0;
    }
}

tcflag_t SizeFlag(std::uint8_t dataBits) {
    switch (dataBits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

} // namespace

CSerialPort::~CSerialPort() {
    Close();
}

std::string CSerialPort::DeviceGroup(const std::string& device) {
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0) {
        return {};
    }
    std::vector<char> buffer(4096);
    struct group entry {};
    struct group* found = nullptr;
    if (::getgrgid_r(info.st_gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) {
        return found->gr_name;
    }
    return std::to_string(info.st_gid);
}

Result CSerialPort::DescribeOpenError(const std::string& device, int error) {
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return Result::Fail(
            kMsgPortMissing,
            device +
                " does not exist: check that the programming cable is plugged in and which port it uses");
    case EIO:
        return Result::Fail(kMsgPortMissing, device + " has no working serial hardware behind it");
    case EBUSY:
    case EWOULDBLOCK:
        return Result::Fail(kMsgPortBusy, device + " is held by another program: close the other program (a "
                                                   "terminal, a modem manager) and try again");
    case EACCES:
    case EPERM: {
        const std::string group = DeviceGroup(device);
        std::string text = "permission denied for " + device;
        if (!group.empty() && group != "root") {
            text += ": add your user to the group '" + group + "' (sudo usermod -aG " + group +
                    " $USER) and log in again";
        } else {
            text += ": ask the administrator for access to the port";
        }
        return Result::Fail(kMsgPortDenied, text);
    }
    case ENOTTY:
    case ENOTDIR:
    case EISDIR:
        return Result::Fail(kMsgPortNotSerial, device + " is not a serial port");
    default:
        return Result::Fail(kMsgPortFailed, device + " cannot be opened: " + std::strerror(error));
    }
}

Result CSerialPort::Open(const std::string& device) {
    Close();
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return DescribeOpenError(device, errno);
    }
    if (!::isatty(fd)) {
        ::close(fd);
        return DescribeOpenError(device, ENOTTY);
    }
    // The lock comes before the terminal's exclusive mode: setting that mode on a port that
    // another program holds would lock out even its owner's next open.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return DescribeOpenError(device, error == EWOULDBLOCK ? EBUSY : error);
    }
    ::ioctl(fd, TIOCEXCL);
    fd_ = fd;
    name_ = device;
    timedOut_ = false;
    SetDtr(true);
    return Result::Ok();
}

bool CSerialPort::Close() {
    if (fd_ < 0) {
        return true;
    }
    // Leave the terminal shareable again for the next program (the flag outlives our descriptor
    // when somebody else still has the device open).
    ::ioctl(fd_, TIOCNXCL);
    if (::close(fd_) != 0 && errno != EINTR) {
        return false;
    }
    fd_ = -1;
    name_.clear();
    return true;
}

bool CSerialPort::Configure(std::uint32_t baud, std::uint8_t dataBits, Parity parity, StopBits stopBits) {
    if (fd_ < 0) {
        return false;
    }
    termios t{};
    if (::tcgetattr(fd_, &t) != 0) {
        return false;
    }
    const speed_t speed = SpeedCode(baud);
    if (speed == B0) {
        return false;
    }
    ::cfmakeraw(&t);
    // Received parity is not checked (the parity bit is still sent); breaks are dropped.
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | ISTRIP | PARMRK | BRKINT);
    t.c_iflag |= IGNBRK;
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    t.c_cflag |= CREAD | CLOCAL | SizeFlag(dataBits);
    if (parity != Parity::None) {
        t.c_cflag |= PARENB;
        if (parity == Parity::Odd) {
            t.c_cflag |= PARODD;
        }
    }
    if (stopBits == StopBits::Two) {
        t.c_cflag |= CSTOPB;
    }
    // With a non-blocking descriptor VMIN 1 makes an empty read report EAGAIN, so that a read of
    // zero bytes means a hang-up; all waiting is done in Read.
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    ::cfsetispeed(&t, speed);
    ::cfsetospeed(&t, speed);
    const bool accepted = ::tcsetattr(fd_, TCSANOW, &t) == 0;
    // Some drivers drop the modem lines when the format changes: raise them again.
    SetDtr(true);
    SetRts(true);
    return accepted;
}

void CSerialPort::PurgeInput() {
    if (fd_ >= 0) {
        ::tcflush(fd_, TCIFLUSH);
    }
}

std::size_t CSerialPort::Write(std::span<const std::uint8_t> bytes) {
    if (fd_ < 0) {
        return 0;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno == EAGAIN) {
            pollfd p{fd_, POLLOUT, 0};
            if (::poll(&p, 1, 1000) <= 0 || (p.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
                return 0;
            }
            continue;
        }
        return 0;
    }
    // Wait until the request has left the line, so that the pause before reading the reply
    // counts from the end of the request as on a synchronous port.
    ::tcdrain(fd_);
    return done;
}

std::size_t CSerialPort::Read(std::span<std::uint8_t> buffer) {
    timedOut_ = false;
    if (fd_ < 0) {
        return 0;
    }
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + readTimeout_;
    std::size_t got = 0;
    bool hangUp = false;
    while (got < buffer.size()) {
        const ssize_t n = ::read(fd_, buffer.data() + got, buffer.size() - got);
        if (n > 0) {
            got += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if ((n < 0 && errno != EAGAIN) || (n == 0 && hangUp)) {
            return 0; // the device is gone (EIO) or the other end hung up: a line error
        }
        // Nothing waiting: sleep in ppoll until bytes arrive, the line hangs up or time runs out.
        timespec wait{};
        timespec* waitPtr = nullptr;
        if (readTimeout_.count() > 0) {
            const auto left = deadline - std::chrono::steady_clock::now();
            if (left <= std::chrono::steady_clock::duration::zero()) {
                timedOut_ = true;
                return got;
            }
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
            wait.tv_sec = static_cast<time_t>(ns / 1000000000);
            wait.tv_nsec = static_cast<long>(ns % 1000000000);
            waitPtr = &wait;
        }
        pollfd p{fd_, POLLIN, 0};
        const int ready = ::ppoll(&p, 1, waitPtr, nullptr);
        if (ready < 0 && errno != EINTR) {
            return 0;
        }
        if (ready > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            if ((p.revents & POLLIN) == 0) {
                return 0;
            }
            hangUp = true; // take what is still queued, then give up
        }
    }
    return got;
}

bool CSerialPort::SetModemLine(int line, bool on) {
    if (fd_ < 0) {
        return false;
    }
    return ::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &line) == 0;
}

bool CSerialPort::SetDtr(bool on) {
    return SetModemLine(TIOCM_DTR, on);
}
bool CSerialPort::SetRts(bool on) {
    return SetModemLine(TIOCM_RTS, on);
}

} // namespace tav
