// Waiting for the program under test: look again every few milliseconds until what a test
// awaits has happened, and fail naming it when it does not happen in time.
#pragma once

#include <chrono>
#include <sstream>
#include <stdexcept>
#include <string>

namespace gui_driver {

using Milliseconds = std::chrono::milliseconds;

inline constexpr Milliseconds kDefaultTimeout{10000};
inline constexpr Milliseconds kPollInterval{10};

// Thrown when the program under test does not do what a test awaits. GoogleTest reports
// its text as the failure of the test.
class DriverError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "timed out after <n> ms waiting for <what>"
std::string TimeoutText(const std::string& what, Milliseconds timeout);

// Lets one poll interval pass.
void PauseOnePoll();

// Calls `look` every poll interval until its result tests true, and returns that result
// (a window handle, a flag, an optional). Throws DriverError naming `what` on timeout.
template <class Look>
auto WaitFor(Look look, const std::string& what, Milliseconds timeout = kDefaultTimeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        auto result = look();
        if (result) return result;
        if (std::chrono::steady_clock::now() >= deadline) {
            throw DriverError(TimeoutText(what, timeout));
        }
        PauseOnePoll();
    }
}

// Waits until `read()` gives `expected`. The timeout names `what` and the last value read.
template <class Read, class Value>
void WaitUntilEquals(Read read, const Value& expected, const std::string& what,
                     Milliseconds timeout = kDefaultTimeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto value = read();
        if (value == expected) return;
        if (std::chrono::steady_clock::now() >= deadline) {
            std::ostringstream text;
            text << TimeoutText(what, timeout) << " (expected " << expected << ", last seen "
                 << value << ")";
            throw DriverError(text.str());
        }
        PauseOnePoll();
    }
}

}  // namespace gui_driver
