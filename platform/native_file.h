// The operating system's side of File: one implementation per platform
// (file_win32.cpp, file_posix.cpp). Each call returns 0 on success or the error code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/file.h"

namespace platform::native {

unsigned long Open(const std::string& path, OpenMode mode, std::intptr_t& handle);
unsigned long FullPath(const std::string& path, std::string& fullPath);
unsigned long Read(std::intptr_t handle, void* buffer, std::size_t count, std::size_t& done);
unsigned long Write(std::intptr_t handle, const void* buffer, std::size_t count, std::size_t& done);
unsigned long SeekToBegin(std::intptr_t handle);
unsigned long Close(std::intptr_t handle);
unsigned long Remove(const std::string& path);
bool Exists(const std::string& path);
unsigned long Replace(const std::string& from, const std::string& to);
// Writes the file's bytes through to the disk.
unsigned long Flush(std::intptr_t handle);
// Renames the open file, whose path is from, to to only when nothing is under to;
// IsNameTaken tells that refusal apart.
unsigned long RenameOpen(std::intptr_t handle, const std::string& from, const std::string& to);
bool IsNameTaken(unsigned long code);
// Makes a new hidden folder; fails when anything is under that name already.
unsigned long MakeHiddenFolder(const std::string& path);
unsigned long RemoveFolder(const std::string& path);
// Writes the folder's entries (names given, renames) through to the disk.
unsigned long FlushFolder(const std::string& path);

}  // namespace platform::native
