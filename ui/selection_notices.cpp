// The texts of the notices about a selection.
#include "ui/selection_notices.h"

#include "platform/file_error.h"
#include "transfer/numbered_copy.h"

namespace ui {

std::string FolderProblemText(const photos::FolderProblem& problem) {
    if (problem.error == 0) return "No foto found in the folder \"" + problem.folder + "\"";
    return "Cannot read the folder " + platform::FileError(problem.error, problem.folder).Message();
}

std::string MoreThanOneSaveText(int photoCount) {
    if (photoCount <= transfer::kLastNumber) return std::string();
    const std::string most = std::to_string(transfer::kLastNumber);
    return std::to_string(photoCount) + " fotos found. One save numbers at most " + most +
           " copies, so this time the first " + most + " in name order are saved.";
}

}  // namespace ui
