// File access through CreateFileA, with Windows' share modes enforced.
#include <windows.h>

#include <vector>

#include "platform/file.h"
#include "platform/wide_text_win32.h"
#include "platform/wine_host_win32.h"

namespace platform {

namespace {

// What an uncached reader asks of its buffers at the least: a sector of every common disk
// and card. A volume with larger sectors says so.
constexpr std::size_t kLeastUncachedAlignment = 4096;
// FILE_STORAGE_INFO, which the headers give only to programs for Windows 8 and later.
constexpr int kFileStorageInfo = 16;
struct StorageInfo {
    ULONG logicalBytesPerSector;
    ULONG physicalBytesPerSectorForAtomicity;
    ULONG physicalBytesPerSectorForPerformance;
    ULONG fileSystemEffectivePhysicalBytesPerSectorForAtomicity;
    ULONG flags;
    ULONG byteOffsetForSectorAlignment;
    ULONG byteOffsetForPartitionAlignment;
};

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// The sector size that reads without the system's cache must keep to on the file's volume.
std::size_t UncachedAlignment(HANDLE file) {
    std::size_t alignment = kLeastUncachedAlignment;
    StorageInfo info{};
    if (GetFileInformationByHandleEx(file, static_cast<FILE_INFO_BY_HANDLE_CLASS>(kFileStorageInfo),
                                     &info, sizeof info)) {
        for (const ULONG sector :
             {info.logicalBytesPerSector, info.physicalBytesPerSectorForPerformance}) {
            const bool powerOfTwo = sector != 0 && (sector & (sector - 1)) == 0;
            if (powerOfTwo && sector > alignment && sector <= (1u << 20)) alignment = sector;
        }
    }
    return alignment;
}

unsigned long AbsolutePath(const std::string& path, std::string& absolute) {
    const DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return GetLastError();
    std::string buffer(size, '\0');
    const DWORD length = GetFullPathNameA(path.c_str(), size, &buffer[0], nullptr);
    if (length == 0) return GetLastError();
    if (length >= size) return ERROR_BUFFER_OVERFLOW;
    buffer.resize(length);
    absolute = std::move(buffer);
    return 0;
}

}  // namespace

bool CloseFileHandle::operator()(std::intptr_t handle) const noexcept {
    return CloseHandle(AsHandle(handle)) != FALSE;
}

unsigned long File::Open(const std::string& path, OpenMode mode) {
    handle_.Close();
    path_.clear();
    alignment_ = 1;
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
            // Shared for reading only, so that the copy can be read back through a second
            // handle while this one keeps others from writing, removing or renaming it.
            access = GENERIC_WRITE | DELETE;
            share = FILE_SHARE_READ;
            creation = CREATE_NEW;
            break;
    }
    HANDLE opened =
        CreateFileA(path.c_str(), access, share, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return GetLastError();
    Owner<std::intptr_t, CloseFileHandle, -1> owned(reinterpret_cast<std::intptr_t>(opened));
    std::string absolute;
    if (const unsigned long code = AbsolutePath(path, absolute)) return code;
    handle_ = std::move(owned);
    path_ = std::move(absolute);
    return 0;
}

unsigned long File::OpenUncachedReader(File& reader) const {
    reader.handle_.Close();
    // The writing handle keeps its write and delete access: this one shares them.
    HANDLE opened = ReOpenFile(AsHandle(handle_.Get()), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               FILE_FLAG_NO_BUFFERING | FILE_FLAG_SEQUENTIAL_SCAN);
    if (opened == INVALID_HANDLE_VALUE) return GetLastError();
    reader.handle_ =
        Owner<std::intptr_t, CloseFileHandle, -1>(reinterpret_cast<std::intptr_t>(opened));
    // Under Wine the flag above changes nothing: Linux's cache is let go of instead.
    if (const unsigned long code = LetGoOfHostCache(path_)) {
        reader.handle_.Close();
        return code;
    }
    reader.path_ = path_;
    reader.alignment_ = UncachedAlignment(opened);
    return 0;
}

unsigned long File::Read(void* buffer, std::size_t count, std::size_t& done) {
    done = 0;
    // Windows refuses such a read without the cache; Wine does not, so it is refused here.
    if (!KeepsAlignment(buffer, count)) return ERROR_INVALID_PARAMETER;
    DWORD got = 0;
    if (!ReadFile(AsHandle(handle_.Get()), buffer, static_cast<DWORD>(count), &got, nullptr)) {
        return GetLastError();
    }
    done = got;
    return 0;
}

unsigned long File::Write(const void* buffer, std::size_t count) {
    const char* bytes = static_cast<const char*>(buffer);
    while (count > 0) {
        DWORD put = 0;
        if (!WriteFile(AsHandle(handle_.Get()), bytes, static_cast<DWORD>(count), &put, nullptr)) {
            return GetLastError();
        }
        if (put == 0) return ERROR_DISK_FULL;
        bytes += put;
        count -= put;
    }
    return 0;
}

unsigned long File::SeekToBegin() {
    LARGE_INTEGER begin{};
    return SetFilePointerEx(AsHandle(handle_.Get()), begin, nullptr, FILE_BEGIN) ? 0
                                                                                 : GetLastError();
}

unsigned long File::Size(std::uint64_t& size) const {
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(AsHandle(handle_.Get()), &length)) return GetLastError();
    size = static_cast<std::uint64_t>(length.QuadPart);
    return 0;
}

unsigned long File::Flush() {
    return FlushFileBuffers(AsHandle(handle_.Get())) ? 0 : GetLastError();
}

unsigned long File::Close() {
    if (!handle_) return 0;
    return handle_.Close() ? 0 : GetLastError();
}

unsigned long File::Rename(const std::string& to) {
    std::string absolute;
    if (const unsigned long code = AbsolutePath(to, absolute)) return code;
    // The rename goes through the handle, so the file is never without its owner; the new
    // name is a wide path, in the code page the program's texts are in.
    const std::wstring wide = WideText(absolute);
    if (wide.empty()) return ERROR_INVALID_NAME;
    const std::size_t nameBytes = wide.size() * sizeof(WCHAR);
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = FALSE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nameBytes);
    wide.copy(info->FileName, wide.size());
    if (!SetFileInformationByHandle(AsHandle(handle_.Get()), FileRenameInfo, info,
                                    static_cast<DWORD>(buffer.size()))) {
        return GetLastError();
    }
    path_ = std::move(absolute);
    return 0;
}

bool IsNameTaken(unsigned long code) {
    return code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS;
}

unsigned long NameTakenCode() {
    return ERROR_FILE_EXISTS;
}

unsigned long RemoveFile(const std::string& path) {
    return DeleteFileA(path.c_str()) ? 0 : GetLastError();
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

unsigned long MoveOver(const std::string& from, const std::string& to) {
    // Windows refuses to replace a read-only file; Wine does not, so ask first.
    const DWORD attributes = GetFileAttributesA(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        return ERROR_ACCESS_DENIED;
    }
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : GetLastError();
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
    HANDLE opened = CreateFileA(path.c_str(), GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return GetLastError();
    const Owner<std::intptr_t, CloseFileHandle, -1> folder(reinterpret_cast<std::intptr_t>(opened));
    return FlushFileBuffers(opened) ? 0 : GetLastError();
}

AlignedBuffer::AlignedBuffer(std::size_t size, std::size_t alignment) : size_(size) {
    // Whole pages, at least 64 KB apart: aligned to every sector size.
    if (alignment <= (64u << 10)) {
        data_ = static_cast<unsigned char*>(
            VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    }
}

AlignedBuffer::~AlignedBuffer() {
    if (data_) VirtualFree(data_, 0, MEM_RELEASE);
}

}  // namespace platform
