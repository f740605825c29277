// What Brenvale asks of the operating system besides files: the executable's path,
// file times, and error texts. One implementation per platform.
#pragma once

#include <string>

namespace platform {

// The running program's process id, unique among the programs running now.
unsigned long ProcessId();

// Full path of the running executable, backslash-separated, whole however long it is.
std::string ExecutablePath();

// The system's description of an error code, without trailing line end; empty when
// the system has none.
std::string SystemErrorText(unsigned long code);

// Where reading a file's last-write time as a local calendar date stopped.
enum class FileTimeStep {
    Done,
    Open,            // the file could not be opened
    GetFileTime,     // its times could not be read
    ToLocalTime,     // the conversion to local time failed
    ToCalendarTime,  // the split into calendar fields failed
};

struct LastWriteDate {
    FileTimeStep step = FileTimeStep::Open;
    unsigned long error = 0;  // the system's error code when step is not Done
    int year = 0;
    int month = 0;
    int day = 0;
};

// The file's last-write time in local time, converted with the offset from UTC in
// force now (daylight-saving time included), not the one in force at that date.
LastWriteDate ReadLastWriteDate(const std::string& path);

}  // namespace platform
