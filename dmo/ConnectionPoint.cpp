#include "dmo/ConnectionPoint.h"

namespace dmo {

HRESULT ConnectionPoint::Advise(IUnknown* sink, std::uint32_t* cookie) {
    if (sink == nullptr || cookie == nullptr)
        return E_POINTER;
    *cookie = 0;
    // The sink must answer for the event interface of this point.
    ComPtr<IUnknown> held;
    if (Failed(sink->QueryInterface(sinkIid_, held.PutVoid())) || !held) {
        return CONNECT_E_CANNOTCONNECT;
    }
    std::lock_guard lock(mutex_);
    *cookie = nextCookie_++;
    sinks_.emplace(*cookie, std::move(held));
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(std::uint32_t cookie) {
    ComPtr<IUnknown> released;
    {
        std::lock_guard lock(mutex_);
        auto found = sinks_.find(cookie);
        if (found == sinks_.end())
            return CONNECT_E_NOCONNECTION;
        released = std::move(found->second);
        sinks_.erase(found);
    }
    return S_OK;  // the sink's reference goes outside the lock
}

std::vector<ComPtr<IUnknown>> ConnectionPoint::Snapshot() {
    std::lock_guard lock(mutex_);
    std::vector<ComPtr<IUnknown>> sinks;
    for (const auto& [cookie, sink] : sinks_)
        sinks.push_back(sink);
    return sinks;
}

}  // namespace dmo
