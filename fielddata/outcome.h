#pragma once
// Failures travel as values: the window decides how to show them.
#include <string>
#include <utility>
#include <variant>

namespace fielddata {

struct Failure {
    std::string reason;  // plain English, UTF-8
};

template <class T>
class Outcome {
public:
    Outcome(T value) : state_(std::move(value)) {}
    Outcome(Failure failure) : state_(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<T>(state_); }
    T& value() { return std::get<T>(state_); }
    const std::string& reason() const { return std::get<Failure>(state_).reason; }

private:
    std::variant<T, Failure> state_;
};

struct Done {};
using Status = Outcome<Done>;
inline Status success() { return Done{}; }

}  // namespace fielddata
