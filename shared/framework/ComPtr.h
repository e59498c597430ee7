// Owns one reference to a COM interface and releases it when it goes. Move-only: a
// reference is only ever taken over (from a creation, a query or an out-parameter),
// never added behind the caller's back.
#pragma once

#include <utility>

namespace nook {

template <class T> class CComPtr {
public:
    CComPtr() = default;
    // Takes over a reference the caller holds.
    explicit CComPtr(T* pointer) : pointer_(pointer) {}
    ~CComPtr() { Reset(); }
    CComPtr(CComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    CComPtr& operator=(CComPtr&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.pointer_, nullptr));
        return *this;
    }
    CComPtr(const CComPtr&) = delete;
    CComPtr& operator=(const CComPtr&) = delete;

    T* Get() const { return pointer_; }
    T* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    void Reset(T* pointer = nullptr) {
        if (T* old = std::exchange(pointer_, pointer)) old->Release();
    }

    // For an out-parameter: releases what is held and hands out the empty slot.
    T** Receive() {
        Reset();
        return &pointer_;
    }
    // The same for QueryInterface and CoCreateInstance.
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }

private:
    T* pointer_ = nullptr;
};

} // namespace nook
