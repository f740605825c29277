// The texts of the notices about a selection.
#include "ui/selection_notices.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/file_error.h"
#include "transfer/numbered_copy.h"

namespace ui {

namespace {

std::string DeviceNamesText(std::vector<std::string> paths) {
    std::sort(paths.begin(), paths.end());
    const bool one = paths.size() == 1;
    std::string text = one ? "Not copied, as Windows takes its name for a device: "
                           : "Not copied, as Windows takes their names for devices: ";
    for (std::size_t i = 0; i < paths.size(); ++i) {
        text += (i == 0 ? "\"" : ", \"") + paths[i] + "\"";
    }
    return text + (one ? ". It stays where it is." : ". They stay where they are.");
}

// "3 photos and videos in this folder are not .jpg files and are not copied: 2 .CR2,
// 1 .MOV. They stay where they are."
std::string OtherKindsText(const std::map<std::string, int>& kinds, int folders) {
    std::vector<std::pair<std::string, int>> byCount(kinds.begin(), kinds.end());
    std::stable_sort(byCount.begin(), byCount.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    int total = 0;
    std::string counts;
    for (const auto& [kind, count] : byCount) {
        total += count;
        counts += (counts.empty() ? "" : ", ") + std::to_string(count) + " " + kind;
    }
    const std::string where = folders > 1 ? " in these folders " : " in this folder ";
    if (total == 1) {
        return "1 photo or video" + where + "is not a .jpg file and is not copied: " + counts +
               ". It stays where it is.";
    }
    return std::to_string(total) + " photos and videos" + where +
           "are not .jpg files and are not copied: " + counts + ". They stay where they are.";
}

}  // namespace

std::string FolderProblemText(const photos::FolderProblem& problem) {
    if (problem.error == 0) return "No foto found in the folder \"" + problem.folder + "\"";
    return "Cannot read the folder " + platform::FileError(problem.error, problem.folder).Message();
}

std::string MoreThanOneSaveText(int photoCount) {
    if (photoCount <= transfer::kLastNumber) return std::string();
    const std::string most = std::to_string(transfer::kLastNumber);
    const int others = photoCount - transfer::kLastNumber;
    return std::to_string(photoCount) + " fotos found. One save numbers at most " + most +
           " copies of one title, so this save copies the first " + most + " in name order. " +
           (others == 1 ? "The other one needs" : "The other " + std::to_string(others) + " need") +
           " another title, or another folder: start Brenvale again and pick " +
           (others == 1 ? "it" : "them") + " with Open Camera.";
}

std::string SelectionNotice(const photos::LeftOut& leftOut, int folders, int photoCount) {
    std::vector<std::string> paragraphs;
    for (const photos::FolderProblem& problem : leftOut.problems) {
        paragraphs.push_back(FolderProblemText(problem));
    }
    if (!leftOut.deviceNames.empty()) paragraphs.push_back(DeviceNamesText(leftOut.deviceNames));
    if (!leftOut.otherKinds.empty()) {
        paragraphs.push_back(OtherKindsText(leftOut.otherKinds, folders));
    }
    const std::string tooMany = MoreThanOneSaveText(photoCount);
    if (!tooMany.empty()) paragraphs.push_back(tooMany);
    std::string notice;
    for (const std::string& paragraph : paragraphs) {
        notice += (notice.empty() ? "" : "\n\n") + paragraph;
    }
    return notice;
}

}  // namespace ui
