// The save run behind Save On PC: asks for the destination folder, then copies every
// selected photo, in list order, to "<folder>\<date>_<title>_<NNN>.jpg", and says how it
// ended. It talks to the main window only through SaveRunWindow, so the whole run can be
// followed without one.
#pragma once

#include <string>

#include "framework/message_port.h"
#include "platform/code_page.h"
#include "platform/disk.h"

class CPhotoList;

namespace transfer {

// The title of the copies when the title edit is empty; the title edit starts with it.
inline constexpr char kDefaultTitle[] = "picture";
// The progress bar runs from 0 to this.
constexpr int kProgressSteps = 10;

// What the run asks of, and shows on, the main window while it runs.
class SaveRunWindow {
public:
    virtual ~SaveRunWindow() = default;

    // The whole texts of the title edit and the date edit.
    virtual std::string TitleText() = 0;
    virtual std::string DateText() = 0;

    virtual void SetWaitCursor() = 0;
    virtual void SetProgress(int position) = 0;

    // The folder chooser, starting at the remembered destination folder: the chosen folder
    // (no final backslash, except for a drive's root), or false when none was chosen.
    virtual bool ChooseFolder(std::string& folder) = 0;
};

// What the run reads, and the running number it restarts, from the main window's state,
// with the window's message boxes (for the photos without a date of their own) and the
// disk the copies go to.
struct SaveRunState {
    const CPhotoList& photos;
    const char* defaultDateText;  // while the date edit holds exactly this, photo dates count
    bool longDate;
    int& nextNumber;
    framework::MessagePort& messages;  // modal boxes; each returns once the user closed it
    platform::Disk& disk;
};

// How a press of Save On PC ended.
enum class SaveOutcome {
    NothingToSave,  // no photos: nothing happened
    Refused,        // the title cannot stand in a file name, or the copies' names do not fit in
                    // the chosen folder: nothing was copied
    Cancelled,      // no folder was chosen: nothing was copied
    Failed,         // a copy could not be made: the copies before it stay
    Saved,          // every copy is on the disk under its name, read back equal to its photo
};

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::NothingToSave;
    // What the user is to be told: why it was refused, "Exit Select Folder", the failure, or
    // "Fotos successfully saved".
    std::string message;
    // The chosen folder, as the chooser gave it.
    std::string folder;
};

inline constexpr char kSavedText[] = "Fotos successfully saved";
inline constexpr char kNoFolderText[] = "Exit Select Folder";
// Said when the title holds a character that Windows refuses in a file name.
inline constexpr char kTitleRefusedText[] = "The title must not contain \\ / : * ? \" < > |";

// The title of the copies: the title edit as typed, "picture" when it is empty.
std::string TitleOfCopies(const std::string& titleText);
// Whether the title can stand in the copies' names inside the chosen folder: it holds none
// of the characters Windows refuses in a file name (\ / : * ? " < > | and the control
// characters), read character by character in the code page.
bool TitleFitsFileName(const std::string& title, unsigned codePage = platform::AnsiCodePage());
// The progress bar's position as the photo `index` (from 0) of `count` starts.
int ProgressBefore(int index, int count);

// One press of Save On PC, up to the end of the copies; what the user is told of its end,
// and what the window does after it, is the caller's.
SaveResult RunSave(SaveRunWindow& window, const SaveRunState& state);

}  // namespace transfer
