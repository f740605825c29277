#include "photo_files.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

#include "driver/handle.h"
#include "driver/outside.h"
#include "driver/wait.h"

namespace brenvale {

using gui_driver::DriverError;
using gui_driver::OwnedHandle;

namespace {

OwnedHandle OpenFile(const std::string& path, DWORD access, DWORD share, DWORD creation) {
    HANDLE file = CreateFileA(path.c_str(), access, share, nullptr, creation, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw DriverError("cannot open " + path);
    return OwnedHandle(file);
}

}  // namespace

std::string PhotoBytes(const std::string& dateTime, const std::string& tail) {
    std::string bytes = "\xFF\xD8\xFF\xE1" + std::string(200, '\0');
    if (!dateTime.empty()) bytes += dateTime + '\0';
    return bytes + std::string(100, 'x') + tail;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    const OwnedHandle file = OpenFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        throw DriverError("cannot write " + path);
    }
}

std::string ReadBytes(const std::string& path) {
    const OwnedHandle file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    return bytes;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

OwnedHandle HoldOpen(const std::string& path) {
    return OpenFile(path, GENERIC_READ, 0, OPEN_EXISTING);
}

void MakeFolder(const std::string& path) {
    gui_driver::MakeFoldersOutside(path);
}

namespace {

struct CloseSearch {
    bool operator()(HANDLE search) const noexcept { return FindClose(search) != FALSE; }
};

// The sorted names of the entries in `folder` that have none of the attributes `leftOut`.
std::vector<std::string> NamesIn(const std::string& folder, DWORD leftOut) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE first = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (first == INVALID_HANDLE_VALUE) return names;
    const platform::Owner<HANDLE, CloseSearch> search(first);
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if ((found.dwFileAttributes & leftOut) == 0) names.push_back(name);
    } while (FindNextFileA(search.Get(), &found));
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

std::vector<std::string> FileNamesIn(const std::string& folder) {
    return NamesIn(folder, FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> EntryNamesIn(const std::string& folder) {
    return NamesIn(folder, 0);
}

std::vector<std::string> VisibleNamesIn(const std::string& folder) {
    return NamesIn(folder, FILE_ATTRIBUTE_HIDDEN);
}

std::string Cyrillic(std::size_t count) {
    // The letters of "фотографиисморя" (photos from the sea).
    static const char* const kLetters[] = {"\xD1\x84", "\xD0\xBE", "\xD1\x82", "\xD0\xBE",
                                           "\xD0\xB3", "\xD1\x80", "\xD0\xB0", "\xD1\x84",
                                           "\xD0\xB8", "\xD0\xB8", "\xD1\x81", "\xD0\xBC",
                                           "\xD0\xBE", "\xD1\x80", "\xD1\x8F"};
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += kLetters[i % std::size(kLetters)];
    return text;
}

void SetLastWriteDay(const std::string& path, int year, int month, int day) {
    SYSTEMTIME when = {};
    when.wYear = static_cast<WORD>(year);
    when.wMonth = static_cast<WORD>(month);
    when.wDay = static_cast<WORD>(day);
    when.wHour = 12;
    FILETIME time;
    const OwnedHandle file = OpenFile(path, FILE_WRITE_ATTRIBUTES, 0, OPEN_EXISTING);
    if (!SystemTimeToFileTime(&when, &time) || !SetFileTime(file.Get(), nullptr, nullptr, &time)) {
        throw DriverError("cannot set the time of " + path);
    }
}

}  // namespace brenvale
