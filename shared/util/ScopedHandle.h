// One move-only owner for every kind of handle. Its traits say what "no handle" is and
// how a handle is released, so each owner type is one line: the Win32 ones live in the
// framework (GdiHandles.h, KernelHandle.h, UserHandles.h, InternetHandle.h), the C file
// in FileHandle.h.
#pragma once

#include <utility>

namespace nook {

// Traits: `using Handle = ...; static Handle None(); static void Close(Handle);`
template <class Traits> class CScopedHandle {
public:
    using Handle = typename Traits::Handle;

    CScopedHandle() = default;
    explicit CScopedHandle(Handle handle) : handle_(handle) {}
    ~CScopedHandle() { Reset(); }
    CScopedHandle(CScopedHandle&& other) noexcept : handle_(other.Release()) {}
    CScopedHandle& operator=(CScopedHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    CScopedHandle(const CScopedHandle&) = delete;
    CScopedHandle& operator=(const CScopedHandle&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::None(); }
    void Reset(Handle handle = Traits::None()) {
        if (handle_ != Traits::None() && handle_ != handle) Traits::Close(handle_);
        handle_ = handle;
    }
    Handle Release() { return std::exchange(handle_, Traits::None()); }

private:
    Handle handle_ = Traits::None();
};

} // namespace nook
