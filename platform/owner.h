// Owners of the system's resources: each closes its resource once and cannot be copied, so
// no two objects close one handle.
#pragma once

namespace platform {

// Owns a resource that Closer closes (a function object: true when the system closed it).
// kNone stands for no resource.
template <typename Resource, typename Closer, Resource kNone = Resource()>
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
    explicit operator bool() const { return resource_ != kNone; }
    Resource Release() {
        const Resource resource = resource_;
        resource_ = kNone;
        return resource;
    }
    // False when the system refused to close the resource.
    bool Close() { return resource_ == kNone || Closer()(Release()); }

private:
    Resource resource_ = kNone;
};

}  // namespace platform
