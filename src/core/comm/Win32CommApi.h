#pragma once

#include "core/comm/CommApi.h"

namespace tav {

/// The real Win32 communications calls on one device handle (Windows builds only).
class Win32CommApi : public CommApi {
public:
    Win32CommApi() = default;
    ~Win32CommApi() override;
    Win32CommApi(const Win32CommApi&) = delete;
    Win32CommApi& operator=(const Win32CommApi&) = delete;

    bool Open(const std::string& device) override;
    bool Close() override;
    bool SetQueues(std::uint32_t receive, std::uint32_t transmit) override;
    bool SetLine(const CommLineSettings& settings) override;
    bool SetTimeouts(const CommTimeouts& timeouts) override;
    bool PurgeReceive() override;
    bool Write(std::span<const std::uint8_t> bytes, std::size_t& done) override;
    bool Drain() override;
    bool Read(std::span<std::uint8_t> buffer, std::size_t& done) override;
    bool SetDtr(bool on) override;
    bool SetRts(bool on) override;
    std::uint32_t LastError() const override { return lastError_; }

private:
    bool Check(bool ok);

    void* handle_ = nullptr; ///< a HANDLE; null while closed
    std::uint32_t lastError_ = 0;
};

} // namespace tav
