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

}  // namespace platform
