#pragma once
// The root of every management interface: identity by interface identifier and
// reference counting. Objects are shared between the UI thread and workers, so
// implementations count atomically.
#include <cstdint>

#include "dmo/Guid.h"
#include "dmo/Status.h"

namespace dmo {

class IUnknown {
public:
    static constexpr Guid kIid = Guid::Parse("{00000000-0000-0000-C000-000000000046}");

    virtual HRESULT QueryInterface(const Guid& iid, void** object) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

protected:
    ~IUnknown() = default;
};

}  // namespace dmo
