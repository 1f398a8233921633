#pragma once
// Reference-counted implementation base for objects that expose one or more
// management interfaces. Thread contract: AddRef, Release and QueryInterface may
// be called from any thread.
#include <atomic>
#include <tuple>

#include "dmo/Unknown.h"

namespace dmo {

template <class... Interfaces>
class Object : public Interfaces... {
public:
    HRESULT QueryInterface(const Guid& iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;
        if (iid == IUnknown::kIid) {
            *object = static_cast<IUnknown*>(static_cast<First*>(this));
        } else {
            ((iid == Interfaces::kIid ? (*object = static_cast<Interfaces*>(this), true) : false) ||
             ...);
        }
        if (*object == nullptr) {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }

    std::uint32_t AddRef() override { return refs_.fetch_add(1) + 1; }

    std::uint32_t Release() override {
        const std::uint32_t left = refs_.fetch_sub(1) - 1;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

protected:
    virtual ~Object() = default;

private:
    std::atomic<std::uint32_t> refs_{1};
};

}  // namespace dmo
