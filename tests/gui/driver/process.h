// The program under test as a process: a private copy of its exe, started with an exact
// command line, waited for, and ended at teardown if the test left it running.
#pragma once

#include <windows.h>

#include <string>

#include "driver/handle.h"
#include "driver/wait.h"

namespace gui_driver {

// The Windows form of a path given by the build: "/work/x/a.exe" becomes "Z:\work\x\a.exe"
// (Wine shows the Linux root as drive Z:); a path with a drive letter keeps it.
std::string WindowsPathOf(const std::string& buildPath);

// Copies the program `exePath` to `folder`\`name`; throws DriverError when that fails.
std::string CopyProgram(const std::string& exePath, const std::string& folder,
                        const std::string& name);

class Program {
public:
    // Starts `exePath` with exactly `commandLine` (nothing added, nothing quoted) and
    // `currentFolder` as its current directory, then waits until it waits for input.
    Program(const std::string& exePath, const std::string& commandLine,
            const std::string& currentFolder, Milliseconds timeout = kDefaultTimeout);
    // Ends the program (Kill) if it is still running; it is this test's own child.
    ~Program();

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Id() const { return processId_; }
    // The exe's file name, to name the program in failure messages.
    const std::string& Name() const { return name_; }

    bool HasEnded() const;
    // Ends the program at once, as the task manager ends it, and waits until it has gone.
    void Kill();
    // Waits for the process to end and returns its exit code.
    DWORD WaitForExit(Milliseconds timeout = kDefaultTimeout) const;

private:
    std::string name_;
    OwnedHandle process_;
    OwnedHandle thread_;
    DWORD processId_ = 0;
};

}  // namespace gui_driver
