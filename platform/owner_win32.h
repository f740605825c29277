// Owners of the system's resources: each closes its resource once and cannot be copied, so
// no two objects close one handle.
#pragma once

#include <windows.h>

#include <unknwn.h>

namespace platform {

// Owns a resource that Closer closes (a function object: true when the system closed it).
template <typename Resource, typename Closer>
class Owner {
public:
    Owner() = default;
    explicit Owner(Resource resource) : resource_(resource) {}
    ~Owner() { Close(); }
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;
    Owner(Owner&& other) noexcept : resource_(other.Release()) {}
    Owner& operator=(Owner&& other) noexcept {
        if (this != &other) {
            Close();
            resource_ = other.Release();
        }
        return *this;
    }

    Resource Get() const { return resource_; }
    explicit operator bool() const { return resource_ != Resource(); }
    Resource Release() {
        const Resource resource = resource_;
        resource_ = Resource();
        return resource;
    }
    // False when the system refused to close the resource.
    bool Close() { return resource_ == Resource() || Closer()(Release()); }

private:
    Resource resource_ = Resource();
};

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
