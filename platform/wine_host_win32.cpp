// Linux's own calls from a program under Wine, which offers no way to them: made with the
// processor's system call instruction, on x86-64 Linux alone.
#include "platform/wine_host_win32.h"

#include <windows.h>

#include <cstring>

#include "platform/wide_text_win32.h"

namespace platform {

#if defined(__x86_64__)

namespace {

// Wine's exports: the host system's name, and the Linux name of a Windows path.
using HostVersionCall = void(__cdecl*)(const char** system, const char** release);
using UnixFileNameCall = char*(__cdecl*)(const WCHAR* path);

template <typename Call>
Call WineCall(const char* module, const char* name) {
    return reinterpret_cast<Call>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(module), name)));
}

// wine_get_unix_file_name where the program runs under Wine on Linux; none elsewhere.
UnixFileNameCall UnixFileNameOnLinux() {
    static const UnixFileNameCall call = []() -> UnixFileNameCall {
        const auto hostVersion = WineCall<HostVersionCall>("ntdll.dll", "wine_get_host_version");
        if (hostVersion == nullptr) return nullptr;
        const char* system = nullptr;
        const char* release = nullptr;
        hostVersion(&system, &release);
        if (system == nullptr || std::strcmp(system, "Linux") != 0) return nullptr;
        return WineCall<UnixFileNameCall>("kernel32.dll", "wine_get_unix_file_name");
    }();
    return call;
}

// x86-64 Linux's call numbers and flags; a call that fails returns its error number negated.
constexpr long long kOpenAt = 257;
constexpr long long kClose = 3;
constexpr long long kFadvise = 221;
constexpr long long kAtCurrentFolder = -100;
constexpr long long kReadOnlyCloseOnExec = 02000000;
constexpr long long kDontNeed = 4;
constexpr long long kInterrupted = -4;

long long LinuxCall(long long number, long long first, long long second, long long third,
                    long long fourth) {
    long long result;
    register long long r10 asm("r10") = fourth;
    asm volatile("syscall"
                 : "=a"(result)
                 : "a"(number), "D"(first), "S"(second), "d"(third), "r"(r10)
                 : "rcx", "r11", "memory");
    return result;
}

}  // namespace

unsigned long LetGoOfHostCache(const std::string& path) {
    const UnixFileNameCall unixFileName = UnixFileNameOnLinux();
    if (unixFileName == nullptr) return 0;
    const std::wstring wide = WideText(path);
    char* name = wide.empty() ? nullptr : unixFileName(wide.c_str());
    if (name == nullptr) return ERROR_FILE_NOT_FOUND;
    long long fd;
    do {
        fd = LinuxCall(kOpenAt, kAtCurrentFolder, reinterpret_cast<long long>(name),
                       kReadOnlyCloseOnExec, 0);
    } while (fd == kInterrupted);
    HeapFree(GetProcessHeap(), 0, name);
    if (fd < 0) return ERROR_READ_FAULT;
    // Only pages already written out are dropped: the file was written through before.
    const long long dropped = LinuxCall(kFadvise, fd, 0, 0, kDontNeed);
    LinuxCall(kClose, fd, 0, 0, 0);
    return dropped == 0 ? 0 : ERROR_READ_FAULT;
}

#else

unsigned long LetGoOfHostCache(const std::string&) {
    return 0;
}

#endif

}  // namespace platform
