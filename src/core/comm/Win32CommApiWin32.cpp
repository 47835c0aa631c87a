#include "core/comm/Win32CommApi.h"
#include "core/platform/WideText.h"

#include <algorithm>
#include <windows.h>

namespace tav {
namespace {

HANDLE AsHandle(void* handle) {
    return static_cast<HANDLE>(handle);
}

DWORD ChunkSize(std::size_t size) {
    return static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD));
}

} // namespace

Win32CommApi::~Win32CommApi() {
    Close();
}

bool Win32CommApi::Check(bool ok) {
    lastError_ = ok ? 0 : static_cast<std::uint32_t>(::GetLastError());
    return ok;
}

bool Win32CommApi::Open(const std::string& device) {
    Close();
    // No sharing: a COM port has one owner; a second open fails with ERROR_ACCESS_DENIED.
    const HANDLE h = ::CreateFileW(WideText::FromUtf8(device).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (!Check(h != INVALID_HANDLE_VALUE)) {
        return false;
    }
    if (::GetFileType(h) != FILE_TYPE_CHAR) {
        ::CloseHandle(h);
        lastError_ = ERROR_NOT_SUPPORTED;
        return false;
    }
    handle_ = h;
    return true;
}

bool Win32CommApi::Close() {
    if (handle_ == nullptr) {
        return true;
    }
    if (!Check(::CloseHandle(AsHandle(handle_)) != FALSE)) {
        return false;
    }
    handle_ = nullptr;
    return true;
}

bool Win32CommApi::SetQueues(std::uint32_t receive, std::uint32_t transmit) {
    return Check(::SetupComm(AsHandle(handle_), receive, transmit) != FALSE);
}

bool Win32CommApi::SetLine(const CommLineSettings& s) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!Check(::GetCommState(AsHandle(handle_), &dcb) != FALSE)) {
        return false;
    }
    dcb.BaudRate = s.baudRate;
    dcb.ByteSize = s.byteSize;
    dcb.Parity = s.parity;
    dcb.StopBits = s.stopBits;
    dcb.fBinary = s.binary;
    dcb.fParity = s.checkParity;
    dcb.fOutxCtsFlow = s.ctsFlow;
    dcb.fOutxDsrFlow = s.dsrFlow;
    dcb.fDsrSensitivity = s.dsrSensitive;
    dcb.fOutX = s.xonXoff;
    dcb.fInX = s.xonXoff;
    dcb.fAbortOnError = s.abortOnError;
    dcb.fNull = s.nullStrip;
    dcb.fErrorChar = FALSE;
    dcb.fDtrControl = s.dtrControl;
    dcb.fRtsControl = s.rtsControl;
    return Check(::SetCommState(AsHandle(handle_), &dcb) != FALSE);
}

bool Win32CommApi::SetTimeouts(const CommTimeouts& t) {
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = t.readInterval;
    timeouts.ReadTotalTimeoutMultiplier = t.readTotalMultiplier;
    timeouts.ReadTotalTimeoutConstant = t.readTotalConstant;
    timeouts.WriteTotalTimeoutMultiplier = t.writeTotalMultiplier;
    timeouts.WriteTotalTimeoutConstant = t.writeTotalConstant;
    return Check(::SetCommTimeouts(AsHandle(handle_), &timeouts) != FALSE);
}

bool Win32CommApi::PurgeReceive() {
    return Check(::PurgeComm(AsHandle(handle_), PURGE_RXCLEAR | PURGE_RXABORT) != FALSE);
}

bool Win32CommApi::Write(std::span<const std::uint8_t> bytes, std::size_t& done) {
    DWORD written = 0;
    const bool ok = ::WriteFile(AsHandle(handle_), bytes.data(), ChunkSize(bytes.size()), &written, nullptr);
    done = written;
    return Check(ok);
}

bool Win32CommApi::Drain() {
    return Check(::FlushFileBuffers(AsHandle(handle_)) != FALSE);
}

bool Win32CommApi::Read(std::span<std::uint8_t> buffer, std::size_t& done) {
    DWORD read = 0;
    const bool ok = ::ReadFile(AsHandle(handle_), buffer.data(), ChunkSize(buffer.size()), &read, nullptr);
    done = read;
    return Check(ok);
}

bool Win32CommApi::SetDtr(bool on) {
    return Check(::EscapeCommFunction(AsHandle(handle_), on ? SETDTR : CLRDTR) != FALSE);
}

bool Win32CommApi::SetRts(bool on) {
    return Check(::EscapeCommFunction(AsHandle(handle_), on ? SETRTS : CLRRTS) != FALSE);
}

} // namespace tav
