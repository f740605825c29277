// Owners of Windows' resources: kernel handles and COM objects.
#pragma once

#include <windows.h>

#include <unknwn.h>

#include "platform/owner.h"

namespace platform {

struct CloseKernelHandle {
    bool operator()(HANDLE handle) const noexcept { return CloseHandle(handle) != FALSE; }
};
// A kernel handle: a file, a process, a thread.
using OwnedHandle = Owner<HANDLE, CloseKernelHandle>;

struct ReleaseComObject {
    bool operator()(IUnknown* object) const noexcept {
        object->Release();  // the count left says nothing about a failure
        return true;
    }
};
// A reference to a COM object.
template <typename Interface>
using OwnedComObject = Owner<Interface*, ReleaseComObject>;

struct ReleaseScreenDc {
    bool operator()(HDC dc) const noexcept { return ReleaseDC(nullptr, dc) == 1; }
};
// The screen's device context, from GetDC(nullptr).
using OwnedScreenDc = Owner<HDC, ReleaseScreenDc>;

struct FreeLocalMemory {
    bool operator()(void* memory) const noexcept { return LocalFree(memory) == nullptr; }
};
// Memory the system allocated for the program with LocalAlloc (FormatMessage's text).
template <typename Pointer>
using OwnedLocalMemory = Owner<Pointer, FreeLocalMemory>;

}  // namespace platform
