#include "driver/process.h"

#include <algorithm>
#include <vector>

namespace gui_driver {

namespace {

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string LastErrorText(const std::string& what) {
    return what + " (error " + std::to_string(GetLastError()) + ")";
}

}  // namespace

std::string WindowsPathOf(const std::string& buildPath) {
    std::string path = buildPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    if (!path.empty() && path[0] == '\\') path = "Z:" + path;
    return path;
}

std::string CopyProgram(const std::string& exePath, const std::string& folder,
                        const std::string& name) {
    const std::string copy = folder + "\\" + name;
    if (!CopyFileA(exePath.c_str(), copy.c_str(), TRUE)) {
        throw DriverError(LastErrorText("cannot copy " + exePath + " to " + copy));
    }
    return copy;
}

Program::Program(const std::string& exePath, const std::string& commandLine,
                 const std::string& currentFolder, Milliseconds timeout)
    : name_(FileNameOf(exePath)) {
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exePath.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        currentFolder.c_str(), &startup, &info)) {
        throw DriverError(LastErrorText("cannot start " + exePath + " with [" + commandLine + "]"));
    }
    process_ = OwnedHandle(info.hProcess);
    thread_ = OwnedHandle(info.hThread);
    processId_ = info.dwProcessId;

    const DWORD idle = WaitForInputIdle(process_.Get(), static_cast<DWORD>(timeout.count()));
    if (idle == WAIT_TIMEOUT) {
        throw DriverError(TimeoutText(name_ + " to wait for input", timeout));
    }
    if (idle == WAIT_FAILED && HasEnded()) {
        throw DriverError(name_ + " ended before it waited for input");
    }
}

Program::~Program() {
    if (!HasEnded()) Kill();
}

void Program::Kill() {
    TerminateProcess(process_.Get(), 1);
    WaitForSingleObject(process_.Get(), static_cast<DWORD>(kDefaultTimeout.count()));
}

bool Program::HasEnded() const {
    return WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0;
}

DWORD Program::WaitForExit(Milliseconds timeout) const {
    if (WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        throw DriverError(TimeoutText(name_ + " to end", timeout));
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    return code;
}

}  // namespace gui_driver
