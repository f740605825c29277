// File access through CreateFileA, with Windows' share modes enforced.
#include <windows.h>

#include <vector>

#include "platform/native_file.h"

namespace platform::native {

namespace {
HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}
}  // namespace

unsigned long Open(const std::string& path, OpenMode mode, std::intptr_t& handle) {
    DWORD access = GENERIC_READ;
    DWORD share = 0;
    DWORD creation = OPEN_EXISTING;
    switch (mode) {
        case OpenMode::ReadExclusive:
            break;
        case OpenMode::ReadDenyWrite:
            share = FILE_SHARE_READ;
            break;
        case OpenMode::Create:
            access = GENERIC_WRITE;
            creation = CREATE_ALWAYS;
            break;
        case OpenMode::CreateNew:
            access = GENERIC_WRITE | DELETE;
            creation = CREATE_NEW;
            break;
    }
    HANDLE h =
        CreateFileA(path.c_str(), access, share, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return GetLastError();
    handle = reinterpret_cast<std::intptr_t>(h);
    return 0;
}

unsigned long FullPath(const std::string& path, std::string& fullPath) {
    DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return GetLastError();
    std::string buffer(size, '\0');
    DWORD length = GetFullPathNameA(path.c_str(), size, &buffer[0], nullptr);
    if (length == 0 || length >= size) return length == 0 ? GetLastError() : ERROR_BUFFER_OVERFLOW;
    buffer.resize(length);
    fullPath = std::move(buffer);
    return 0;
}

unsigned long Read(std::intptr_t handle, void* buffer, std::size_t count, std::size_t& done) {
    DWORD got = 0;
    if (!ReadFile(AsHandle(handle), buffer, static_cast<DWORD>(count), &got, nullptr)) {
        return GetLastError();
    }
    done = got;
    return 0;
}

unsigned long Write(std::intptr_t handle, const void* buffer, std::size_t count,
                    std::size_t& done) {
    DWORD put = 0;
    if (!WriteFile(AsHandle(handle), buffer, static_cast<DWORD>(count), &put, nullptr)) {
        return GetLastError();
    }
    if (put == 0 && count > 0) return ERROR_DISK_FULL;
    done = put;
    return 0;
}

unsigned long SeekToBegin(std::intptr_t handle) {
    if (SetFilePointer(AsHandle(handle), 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) {
        const DWORD code = GetLastError();
        if (code != NO_ERROR) return code;
    }
    return 0;
}

unsigned long Close(std::intptr_t handle) {
    return CloseHandle(AsHandle(handle)) ? 0 : GetLastError();
}

unsigned long Remove(const std::string& path) {
    return DeleteFileA(path.c_str()) ? 0 : GetLastError();
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

unsigned long Replace(const std::string& from, const std::string& to) {
    // Windows refuses to replace a read-only file; Wine does not, so ask first.
    const DWORD attributes = GetFileAttributesA(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        return ERROR_ACCESS_DENIED;
    }
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : GetLastError();
}

unsigned long Flush(std::intptr_t handle) {
    return FlushFileBuffers(AsHandle(handle)) ? 0 : GetLastError();
}

unsigned long RenameOpen(std::intptr_t handle, const std::string& /*from*/, const std::string& to) {
    // The rename goes through the handle, so the file is never without its owner; the new
    // name is a wide path, in the code page the program's texts are in.
    const int length = MultiByteToWideChar(CP_ACP, 0, to.c_str(), -1, nullptr, 0);
    if (length <= 0) return GetLastError();
    const std::size_t nameBytes = (static_cast<std::size_t>(length) - 1) * sizeof(WCHAR);
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = FALSE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nameBytes);
    if (MultiByteToWideChar(CP_ACP, 0, to.c_str(), -1, info->FileName, length) <= 0) {
        return GetLastError();
    }
    return SetFileInformationByHandle(AsHandle(handle), FileRenameInfo, info,
                                      static_cast<DWORD>(buffer.size()))
               ? 0
               : GetLastError();
}

bool IsNameTaken(unsigned long code) {
    return code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS;
}

unsigned long MakeHiddenFolder(const std::string& path) {
    if (!CreateDirectoryA(path.c_str(), nullptr)) return GetLastError();
    // Not shown in the user's folder where the system can hide it; nothing lost otherwise.
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    return 0;
}

unsigned long RemoveFolder(const std::string& path) {
    return RemoveDirectoryA(path.c_str()) ? 0 : GetLastError();
}

unsigned long FlushFolder(const std::string& path) {
    // A folder opens only with backup semantics, and flushes only when opened for writing.
    HANDLE folder = CreateFileA(path.c_str(), GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) return GetLastError();
    const DWORD code = FlushFileBuffers(folder) ? 0 : GetLastError();
    CloseHandle(folder);
    return code;
}

}  // namespace platform::native
