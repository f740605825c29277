// The save run, step by step, with the main window behind SaveRunWindow.
#include "transfer/save_run.h"

#include <algorithm>

#include "photos/photo_list.h"
#include "platform/system.h"
#include "transfer/copy_path_length.h"
#include "transfer/date_stamp.h"
#include "transfer/numbered_copy.h"

namespace transfer {

std::string TitleOfCopies(const std::string& titleText) {
    return titleText.empty() ? kDefaultTitle : titleText;
}

bool TitleFitsFileName(const std::string& title, unsigned codePage) {
    // A folder separator or a drive colon would put copies elsewhere; the others make the
    // system refuse the name only once the first copy is under way.
    static const char kRefused[] =
        "\\/:*?\"<>|"
        "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0d\x0e\x0f"
        "\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1a\x1b\x1c\x1d\x1e\x1f";
    return platform::FindFirstOf(title, kRefused, codePage) == std::string::npos;
}

int ProgressBefore(int index, int count) {
    if (count <= 0) return 0;
    const long long position = static_cast<long long>(kProgressSteps) * (index + 1) / count;
    return static_cast<int>(std::min<long long>(position, kProgressSteps));
}

namespace {

// Every photo of the list, in order, into the folder. When nothing is told, every copy is
// on the disk under its name; either way the run's folder of unfinished copies has gone.
Failure CopyAll(SaveRunWindow& window, const SaveRunState& state, const std::string& folder,
                const std::string& title, bool photoDates, const std::string& filteredDate) {
    Destination destination(state.disk, folder, RunName(platform::ProcessId()), state.nextNumber);
    const int count = state.photos.Count();
    for (int i = 0; i < count; ++i) {
        window.SetProgress(ProgressBefore(i, count));
        const std::string photo = state.photos.GetAt(i);
        std::string date = filteredDate;
        if (photoDates) {
            char stamp[kStampRoom] = {};
            if (!FindEmbeddedDate(photo, stamp, state.longDate)) {
                // An empty stamp is used as it is.
                GetFileDateStamp(state.messages, photo, stamp);
            }
            date = stamp;
        }
        if (Failure failure = destination.CopyWithNumber(photo, date + "_" + title)) {
            return failure;
        }
    }
    return destination.Finish();
}

}  // namespace

SaveResult RunSave(SaveRunWindow& window, const SaveRunState& state) {
    const int count = state.photos.Count();
    if (count == 0) return {};

    window.SetWaitCursor();
    window.SetProgress(0);
    state.nextNumber = 1;

    // Held whole: a title cut to some length could give two titles one name.
    const std::string title = TitleOfCopies(window.TitleText());
    if (!TitleFitsFileName(title)) return {SaveOutcome::Refused, kTitleRefusedText, {}};

    std::string folder;
    if (!window.ChooseFolder(folder)) return {SaveOutcome::Cancelled, kNoFolderText, {}};

    // Decided once for the whole run.
    const std::string typedDate = window.DateText();
    const bool photoDates = UsesPhotoDates(typedDate.c_str(), state.defaultDateText);
    const std::string filteredDate =
        photoDates ? std::string() : FilterTypedDate(typedDate.c_str());
    if (!CopyFitsIn(folder, LongestCopyName(title, photoDates, state.longDate, filteredDate))) {
        return {SaveOutcome::Refused, FolderTooLongText(folder), {}};
    }

    if (Failure failure = CopyAll(window, state, folder, title, photoDates, filteredDate)) {
        return {SaveOutcome::Failed, *failure, folder};
    }
    return {SaveOutcome::Saved, kSavedText, folder};
}

}  // namespace transfer
