#include "driver/outside.h"

#include <windows.h>

#include "driver/handle.h"
#include "driver/wait.h"

namespace gui_driver {

namespace {

// Wine's own exports: a Linux program started from a Wine process, and the Linux name of a
// Windows path. Neither exists on Windows.
using SpawnFunction = LONG(__cdecl*)(char* const argv[], int wait);
using UnixNameFunction = char*(__cdecl*)(const WCHAR* path);

SpawnFunction Spawn() {
    static const auto spawn = reinterpret_cast<SpawnFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll"), "__wine_unix_spawnvp")));
    return spawn;
}

std::string UnixPathOf(const std::string& path) {
    static const auto unixName = reinterpret_cast<UnixNameFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    if (unixName == nullptr) throw DriverError("no Linux names outside Wine");
    const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], length);
    if (char* name = unixName(wide.c_str())) {
        std::string result = name;
        HeapFree(GetProcessHeap(), 0, name);
        return result;
    }
    // Wine names only paths whose folder exists: the missing ones are added by hand.
    const size_t slash = path.find_last_of('\\');
    if (slash == std::string::npos || slash + 1 == path.size()) {
        throw DriverError("no Linux name for " + path);
    }
    return UnixPathOf(path.substr(0, slash)) + "/" + path.substr(slash + 1);
}

// Runs a program of the Linux host and waits for it; throws unless it succeeded.
void RunOutside(std::vector<std::string> argv) {
    std::vector<char*> pointers;
    for (std::string& argument : argv) pointers.push_back(&argument[0]);
    pointers.push_back(nullptr);
    if (Spawn()(pointers.data(), 1) != 0) throw DriverError("outside Wine, " + argv[0] + " failed");
}

void WriteFileHere(const std::string& path, const std::string& bytes) {
    const OwnedHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    if (file.Get() == INVALID_HANDLE_VALUE ||
        !WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        throw DriverError("cannot write " + path);
    }
}

}  // namespace

bool CanWorkOutside() {
    return Spawn() != nullptr;
}

void MakeFoldersOutside(const std::string& folder) {
    if (CanWorkOutside()) {
        RunOutside({"/bin/mkdir", "-p", UnixPathOf(folder)});
        return;
    }
    for (size_t at = folder.find('\\', 3);; at = folder.find('\\', at + 1)) {
        CreateDirectoryA(folder.substr(0, at).c_str(), nullptr);
        if (at == std::string::npos) break;
    }
    if (GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES) {
        throw DriverError("cannot make " + folder);
    }
}

void BackdateOutside(const std::string& path, int minutes) {
    if (CanWorkOutside()) {
        RunOutside({"/usr/bin/touch", "-m", "-d", std::to_string(minutes) + " minutes ago",
                    UnixPathOf(path)});
        return;
    }
    const OwnedHandle file(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time = {{now.dwLowDateTime, now.dwHighDateTime}};
    time.QuadPart -= static_cast<ULONGLONG>(minutes) * 60 * 10000000;
    const FILETIME then = {time.LowPart, time.HighPart};
    if (file.Get() == INVALID_HANDLE_VALUE || !SetFileTime(file.Get(), nullptr, nullptr, &then)) {
        throw DriverError("cannot set the time of " + path);
    }
}

void RemoveFilesOutside(const std::string& folder, const std::vector<std::string>& names) {
    if (!CanWorkOutside()) {
        for (const std::string& name : names) DeleteFileA((folder + "\\" + name).c_str());
        return;
    }
    std::vector<std::string> argv = {"/bin/sh", "-c", "cd \"$1\" && shift && rm -f -- \"$@\"", "sh",
                                     UnixPathOf(folder)};
    argv.insert(argv.end(), names.begin(), names.end());
    RunOutside(argv);
}

void RemoveFolderOutside(const std::string& folder) {
    if (CanWorkOutside()) {
        RunOutside({"/bin/rmdir", UnixPathOf(folder)});
    } else if (!RemoveDirectoryA(folder.c_str())) {
        throw DriverError("cannot remove " + folder);
    }
}

void MakeLinkOutside(const std::string& target, const std::string& link) {
    const bool relative = target.size() < 2 || target[1] != ':';
    if (CanWorkOutside()) {
        std::string linuxTarget = relative ? target : UnixPathOf(target);
        for (char& c : linuxTarget) {
            if (c == '\\') c = '/';
        }
        RunOutside({"/bin/ln", "-s", linuxTarget, UnixPathOf(link)});
        return;
    }
    const std::string folder = relative ? link.substr(0, link.find_last_of('\\') + 1) : "";
    const DWORD attributes = GetFileAttributesA((folder + target).c_str());
    const DWORD flags =
        SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE |
        (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
             ? SYMBOLIC_LINK_FLAG_DIRECTORY
             : 0);
    if (!CreateSymbolicLinkA(link.c_str(), target.c_str(), flags)) {
        throw DriverError("cannot link " + link + " to " + target);
    }
}

void WriteFilesOutside(const std::string& folder, const std::vector<std::string>& names,
                       const std::string& bytes) {
    if (!CanWorkOutside()) {
        for (const std::string& name : names) WriteFileHere(folder + "\\" + name, bytes);
        return;
    }
    // The bytes wait in a file beside the folder; one shell copies them to every name.
    const std::string model = folder + ".bytes";
    WriteFileHere(model, bytes);
    std::vector<std::string> argv = {
        "/bin/sh",
        "-c",
        "cd \"$1\" && model=$2 && shift 2 && for n; do cat \"$model\" >\"$n\"; done",
        "sh",
        UnixPathOf(folder),
        UnixPathOf(model)};
    argv.insert(argv.end(), names.begin(), names.end());
    RunOutside(argv);
    DeleteFileA(model.c_str());
}

}  // namespace gui_driver
