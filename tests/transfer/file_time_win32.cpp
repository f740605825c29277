#include <windows.h>

#include <stdexcept>
#include <string>

#include "file_time.h"

namespace testing_support {

void SetLastWriteTimeUtc(const std::string& path, int year, int month, int day, int hour,
                         int minute) {
    SYSTEMTIME fields{};
    fields.wYear = static_cast<WORD>(year);
    fields.wMonth = static_cast<WORD>(month);
    fields.wDay = static_cast<WORD>(day);
    fields.wHour = static_cast<WORD>(hour);
    fields.wMinute = static_cast<WORD>(minute);
    FILETIME lastWrite{};
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    const bool done = file != INVALID_HANDLE_VALUE && SystemTimeToFileTime(&fields, &lastWrite) &&
                      SetFileTime(file, nullptr, nullptr, &lastWrite);
    const DWORD error = GetLastError();
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (!done) {
        throw std::runtime_error("cannot set the time of " + path + ": " + std::to_string(error));
    }
}

}  // namespace testing_support
