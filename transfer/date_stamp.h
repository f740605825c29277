// The date part of a copy's name: the photo's own date stamp (from the date-time text near
// the start of the file, or from its last-write time) or the date the user typed.
#pragma once

#include <cstddef>
#include <string>

#include "framework/message_port.h"
#include "platform/system.h"

namespace transfer {

// Room a stamp buffer must have, terminator included: "yymmdd-hhmmss".
constexpr std::size_t kStampRoom = 14;

// Searches the photo's first 4096 bytes backwards for a date-time text
// "YYYY:MM:DD HH:MM:SS" and writes "yymmdd", or "yymmdd-hhmmss" with longDate, into
// stamp (kStampRoom chars). A text holding bytes unfit for a file name, or an unknown date
// (all zeros or all blanks), is passed over. False, with stamp empty, when there is no
// usable text or the photo cannot be opened; shows nothing. A failing read raises
// platform::FileError.
bool FindEmbeddedDate(const std::string& photoPath, char* stamp, bool longDate);

// Writes the short stamp from the file's last-write time in local time, with the year
// modulo 1000 ("090307", "9991231"). On failure shows its messages and leaves stamp empty.
bool GetFileDateStamp(framework::MessagePort& messages, const std::string& photoPath, char* stamp);

// The part of GetFileDateStamp after the file's time was read: the stamp, or the messages
// for the step that failed, the last with the error code captured at that step.
bool StampFromLastWriteDate(framework::MessagePort& messages, const platform::LastWriteDate& date,
                            char* stamp);

// Shows the system's text for the error code in the system-error box; the code's number
// when the system has no text for it.
void ReportLastError(framework::MessagePort& messages, unsigned long errorCode);

// Whether the run takes each photo's own date: the date edit still holds exactly the
// default date text.
bool UsesPhotoDates(const char* dateEditText, const char* defaultDateText);

// The typed date reduced to its ASCII letters and digits, all of them (a date cut short
// could give two typed dates one name); possibly empty.
std::string FilterTypedDate(const char* dateEditText);

}  // namespace transfer
