#include "driver/remote_buffer.h"

#include <cstring>

#include "driver/wait.h"

namespace gui_driver {

RemoteBuffer::RemoteBuffer(DWORD processId, std::size_t size)
    : process_(
          OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId)),
      size_(size) {
    if (!process_) throw DriverError("cannot open process " + std::to_string(processId));
    address_ =
        VirtualAllocEx(process_.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (address_ == nullptr) throw DriverError("cannot allocate memory in the program");
}

RemoteBuffer::~RemoteBuffer() {
    VirtualFreeEx(process_.Get(), address_, 0, MEM_RELEASE);
}

void RemoteBuffer::Write(std::size_t offset, const void* bytes, std::size_t count) const {
    SIZE_T moved = 0;
    if (!WriteProcessMemory(process_.Get(), At(offset), bytes, count, &moved)) {
        throw DriverError("cannot write to the program's memory");
    }
}

void RemoteBuffer::Read(std::size_t offset, void* bytes, std::size_t count) const {
    SIZE_T moved = 0;
    if (!ReadProcessMemory(process_.Get(), At(offset), bytes, count, &moved)) {
        throw DriverError("cannot read the program's memory");
    }
}

std::string RemoteBuffer::ReadText() const {
    std::string text(size_, '\0');
    Read(0, &text[0], size_);
    text.resize(strnlen(text.data(), size_));
    return text;
}

}  // namespace gui_driver
