// Where a failure that leaves a message handler ends: a file that cannot be read or
// written, or memory running out, stops the handler, the user is told, and the program
// goes on. Nothing is thrown across the system's callbacks.
#pragma once

#include <exception>
#include <new>

#include "platform/file_error.h"

namespace framework {

inline constexpr char kOutOfMemoryText[] = "There is not enough memory to finish this action.";
inline constexpr char kUnexpectedFailureText[] = "This action ended with an unexpected error.";

// Runs handler(). When it throws, hands report the text for the user (a file error's
// message naming the file and the cause, or one of the sentences above) and returns false.
template <typename Handler, typename Report>
bool RunReportingFailures(Handler&& handler, Report&& report) noexcept {
    try {
        handler();
        return true;
    } catch (const platform::FileError& error) {
        report(error.Message().c_str());
    } catch (const std::bad_alloc&) {
        report(kOutOfMemoryText);
    } catch (const std::exception& error) {
        report(error.what());
    } catch (...) {
        report(kUnexpectedFailureText);
    }
    return false;
}

}  // namespace framework
