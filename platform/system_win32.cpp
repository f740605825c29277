// The executable's path, file times and error texts from the Windows kernel.
#include <windows.h>

#include <vector>

#include "platform/owner_win32.h"
#include "platform/system.h"

namespace platform {

unsigned long ProcessId() {
    return GetCurrentProcessId();
}

std::string ExecutablePath() {
    // A path that fills the buffer may have been cut: try again with twice the room.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetModuleFileNameA(GetModuleHandleA(nullptr), buffer.data(), size);
        if (length == 0) return std::string();
        if (length < size) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::string SystemErrorText(unsigned long code) {
    char* allocated = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<LPSTR>(&allocated), 0, nullptr);
    const OwnedLocalMemory<char*> text(allocated);
    std::string result;
    if (length != 0 && text) result.assign(text.Get(), length);
    while (!result.empty() && static_cast<unsigned char>(result.back()) <= ' ') result.pop_back();
    return result;
}

LastWriteDate ReadLastWriteDate(const std::string& path) {
    LastWriteDate result;
    HANDLE opened = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        result.error = GetLastError();
        return result;
    }
    const OwnedHandle file(opened);
    FILETIME lastWrite{}, local{};
    SYSTEMTIME calendar{};
    if (!GetFileTime(file.Get(), nullptr, nullptr, &lastWrite)) {
        result.step = FileTimeStep::GetFileTime;
    } else if (!FileTimeToLocalFileTime(&lastWrite, &local)) {
        result.step = FileTimeStep::ToLocalTime;
    } else if (!FileTimeToSystemTime(&local, &calendar)) {
        result.step = FileTimeStep::ToCalendarTime;
    } else {
        result.step = FileTimeStep::Done;
        result.year = calendar.wYear;
        result.month = calendar.wMonth;
        result.day = calendar.wDay;
    }
    if (result.step != FileTimeStep::Done) result.error = GetLastError();
    return result;
}

}  // namespace platform
