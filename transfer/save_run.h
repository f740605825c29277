// The save run behind Save On PC: asks for the destination folder, then copies every
// selected photo, in list order, to "<folder>\<date>_<title>_<NNN>.jpg". It talks to the
// main window only through SaveRunWindow, so the whole run can be followed without one.
#pragma once

#include <string>

#include "framework/message_port.h"
#include "platform/code_page.h"
#include "platform/disk.h"

class CPhotoList;

namespace transfer {

// The result buffer handed to the folder chooser: room for any folder it gives, whole, up
// to 259 UTF-16 units of at most three bytes each in UTF-8, and the terminating zero.
constexpr unsigned kChosenFolderSize = 259 * 3 + 1;
// The title of the copies when the title edit is empty; the title edit starts with it.
inline constexpr char kDefaultTitle[] = "picture";
// The progress bar runs from 0 to this.
constexpr int kProgressSteps = 10;

// What the run asks of, and tells, the main window.
class SaveRunWindow {
public:
    virtual ~SaveRunWindow() = default;

    // The whole texts of the title edit and the date edit.
    virtual std::string TitleText() = 0;
    virtual std::string DateText() = 0;

    virtual void SetWaitCursor() = 0;
    virtual void SetNormalCursor() = 0;
    virtual void SetProgress(int position) = 0;

    // The folder chooser, starting at startFolder; false when no folder was chosen.
    virtual bool ChooseFolder(const std::string& startFolder, char* folder, unsigned size) = 0;

    // Open Camera enabled, Save On PC disabled, and the window redrawn at once.
    virtual void SetReadyToOpen() = 0;
    // The destination folder (with its final backslash) for the next run and the settings.
    virtual void RememberDestination(const std::string& folder) = 0;
};

// What the run reads, and the running number it restarts, from the main window's state,
// with the window's message boxes and the disk the copies go to.
struct SaveRunState {
    const CPhotoList& photos;
    const char* defaultDateText;  // while the date edit holds exactly this, photo dates count
    bool longDate;
    const std::string& destFolder;  // where the chooser starts
    int& nextNumber;
    framework::MessagePort& messages;  // modal boxes; each returns once the user closed it
    platform::Disk& disk;
};

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

// One press of Save On PC. A read, write, flush or rename that fails in a copy throws
// platform::FileError out of the run, with the unfinished copy already removed. The success
// message comes only once every copy is on the disk under its name.
void RunSave(SaveRunWindow& window, const SaveRunState& state);

}  // namespace transfer
