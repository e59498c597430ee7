// Owns one kernel handle (a thread, an event) and closes it when it goes.
#pragma once

#include <windows.h>

#include <utility>

namespace nook {

class CKernelHandle {
public:
    CKernelHandle() = default;
    explicit CKernelHandle(HANDLE handle) : handle_(handle) {}
    ~CKernelHandle() { Reset(); }
    CKernelHandle(CKernelHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    CKernelHandle& operator=(CKernelHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    CKernelHandle(const CKernelHandle&) = delete;
    CKernelHandle& operator=(const CKernelHandle&) = delete;

    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    void Reset(HANDLE handle = nullptr) {
        if (handle_) CloseHandle(handle_);
        handle_ = handle;
    }

private:
    HANDLE handle_ = nullptr;
};

} // namespace nook
