#pragma once
// Owning pointer for a reference-counted management object: releases its one
// reference when it goes away. Used by our own layers; the program's globals
// stay plain pointers held for the life of the process.
#include <utility>

#include "dmo/Unknown.h"

namespace dmo {

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes over a reference the caller already owns.
    static ComPtr Adopt(T* object) {
        ComPtr result;
        result.object_ = object;
        return result;
    }
    // Adds a reference of its own.
    static ComPtr Share(T* object) {
        if (object != nullptr)
            object->AddRef();
        return Adopt(object);
    }
    ComPtr(const ComPtr& other) : object_(other.object_) {
        if (object_ != nullptr)
            object_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    void Reset() {
        if (T* old = std::exchange(object_, nullptr))
            old->Release();
    }
    T* Get() const { return object_; }
    T* Detach() { return std::exchange(object_, nullptr); }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // Out-parameter for a request that hands back a new reference.
    T** Put() {
        Reset();
        return &object_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

    template <class U>
    ComPtr<U> As() const {
        ComPtr<U> result;
        if (object_ != nullptr)
            object_->QueryInterface(U::kIid, result.PutVoid());
        return result;
    }

private:
    T* object_ = nullptr;
};

}  // namespace dmo
