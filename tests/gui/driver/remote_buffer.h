// A block of memory in another process, for messages whose answer is written through a
// pointer: the program under test reads and writes only its own address space.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "driver/handle.h"

namespace gui_driver {

class RemoteBuffer {
public:
    // Throws DriverError when the process cannot be opened or lends no memory.
    RemoteBuffer(DWORD processId, std::size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    // The block's address in the other process, at `offset` bytes into it.
    char* At(std::size_t offset = 0) const { return static_cast<char*>(address_) + offset; }
    LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }

    // Copies bytes into and out of the block; throws DriverError when the system refuses.
    void Write(std::size_t offset, const void* bytes, std::size_t count) const;
    void Read(std::size_t offset, void* bytes, std::size_t count) const;
    // The text at the block's start, up to its first NUL.
    std::string ReadText() const;

private:
    OwnedHandle process_;
    std::size_t size_;
    void* address_ = nullptr;
};

}  // namespace gui_driver
