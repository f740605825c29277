// The save run, step by step, with the main window behind SaveRunWindow.
#include "transfer/save_run.h"

#include <algorithm>

#include "photos/photo_list.h"
#include "transfer/date_stamp.h"

namespace transfer {

namespace {

constexpr char kDefaultTitle[] = "picture";
constexpr int kProgressSteps = 10;

}  // namespace

std::string TitleOfCopies(const std::string& titleText) {
    return titleText.empty() ? kDefaultTitle : titleText;
}

bool TitleStaysInFolder(const std::string& title, unsigned codePage) {
    return platform::FindFirstOf(title, "\\/:", codePage) == std::string::npos;
}

int ProgressBefore(int index, int count) {
    if (count <= 0) return 0;
    const long long position = static_cast<long long>(kProgressSteps) * (index + 1) / count;
    return static_cast<int>(std::min<long long>(position, kProgressSteps));
}

void RunSave(SaveRunWindow& window, const SaveRunState& state) {
    const int count = state.photos.Count();
    if (count == 0) return;

    window.SetWaitCursor();
    window.SetProgress(0);
    state.nextNumber = 1;

    // Held whole: a title cut to some length could give two titles one name.
    const std::string title = TitleOfCopies(window.TitleText());
    if (!TitleStaysInFolder(title)) {
        window.ShowMessage(kTitleRefusedText);
        return;
    }

    char chosen[kChosenFolderSize] = {};
    if (!window.ChooseFolder(state.destFolder, chosen, sizeof chosen)) {
        window.ShowMessage("Exit Select Folder");
        return;
    }
    const std::string folder = chosen;

    // Decided once for the whole run.
    const std::string typedDate = window.DateText();
    const bool photoDates = UsesPhotoDates(typedDate.c_str(), state.defaultDateText);
    const std::string filteredDate =
        photoDates ? std::string() : FilterTypedDate(typedDate.c_str());

    for (int i = 0; i < count; ++i) {
        window.SetProgress(ProgressBefore(i, count));
        const std::string photo = state.photos.GetAt(i);
        std::string date = filteredDate;
        if (photoDates) {
            char stamp[kStampRoom] = {};
            if (!window.FindEmbeddedDate(photo, stamp, state.longDate)) {
                window.GetFileDateStamp(photo, stamp);  // an empty stamp is used as it is
            }
            date = stamp;
        }
        const std::string base = folder + "\\" + date + "_" + title;
        if (!window.CopyWithNumber(photo, base)) return;
    }

    window.SetNormalCursor();
    window.ShowMessage("Fotos successfully saved");
    window.SetProgress(0);
    window.SetReadyToOpen();
    window.RememberDestination(folder + "\\");
}

}  // namespace transfer
