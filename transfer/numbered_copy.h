// Copying one photo to the first free name "<base>_NNN.jpg" of the save run.
#pragma once

#include <string>

#include "framework/message_port.h"

namespace transfer {

// The highest running number a copy can get.
constexpr int kLastNumber = 999;

// Copies the photo at sourcePath to destBase + "_NNN.jpg", trying the numbers from
// nextNumber up and skipping every name that opens for reading; nextNumber is then one
// past the number chosen, even when the copy fails. An existing file is never replaced.
// Returns false after showing why ("Number of files with same title limited by 999",
// "Error Source ...", "Error Destination ..."). A read or write that fails during the copy
// deletes the partial copy and raises platform::FileError; the photo is never changed.
bool CopyWithNumber(framework::MessagePort& messages, int& nextNumber,
                    const std::string& sourcePath, const std::string& destBase);

}  // namespace transfer
