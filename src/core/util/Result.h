#pragma once

#include <optional>
#include <string>
#include <utility>

namespace tav {

/// The outcome of an operation that may fail. A failure carries the number of the language
/// message text (group S01) that the window or command that asked shows to the user, and an
/// optional detail (a path, an address, an operating-system reason) for logs and the command line.
class [[nodiscard]] Result {
public:
    static Result Ok() { return Result{}; }
    static Result Fail(int messageId, std::string detail = {}) {
        return Result{messageId, std::move(detail)};
    }

    bool ok() const { return messageId_ == 0; }
    explicit operator bool() const { return ok(); }
    /// Language message number of the failure; 0 on success.
    int messageId() const { return messageId_; }
    const std::string& detail() const { return detail_; }

private:
    Result() = default;
    Result(int messageId, std::string detail) : messageId_(messageId), detail_(std::move(detail)) {}

    int messageId_ = 0;
    std::string detail_;
};

/// A value, or the failure that prevented it.
template <class T> class [[nodiscard]] Outcome {
public:
    Outcome(T value) : value_(std::move(value)), result_(Result::Ok()) {}
    Outcome(Result failure) : result_(std::move(failure)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const Result& result() const { return result_; }
    int messageId() const { return result_.messageId(); }
    T& value() { return *value_; }
    const T& value() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    T& operator*() { return *value_; }
    const T& operator*() const { return *value_; }

private:
    std::optional<T> value_;
    Result result_;
};

} // namespace tav
