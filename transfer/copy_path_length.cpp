#include "transfer/copy_path_length.h"

#include "transfer/date_stamp.h"
#include "transfer/numbered_copy.h"

namespace transfer {

namespace {

// "yymmdd-hhmmss", and a short stamp from a file's time: "yyymmdd" at most.
constexpr std::size_t kLongestLongStamp = kStampRoom - 1;
constexpr std::size_t kLongestShortStamp = 7;

}  // namespace

std::string LongestCopyName(const std::string& title, bool photoDates, bool longDate,
                            const std::string& filteredDate) {
    const std::string date =
        photoDates ? std::string(longDate ? kLongestLongStamp : kLongestShortStamp, '9')
                   : filteredDate;
    return NumberedName(date + "_" + title, kLastNumber);
}

bool CopyFitsIn(const std::string& folder, const std::string& name, unsigned codePage) {
    return platform::WideLength(folder + "\\" + name, codePage) <= kLongestFilePath;
}

std::string FolderTooLongText(const std::string& folder) {
    return "The folder " + folder +
           " has too long a path for the copies' names: Windows takes at most 259 characters "
           "for the two together. Choose a folder with a shorter path, or a shorter title.";
}

}  // namespace transfer
