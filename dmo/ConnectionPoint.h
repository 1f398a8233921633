#pragma once
// Connection points: how an object that fires events (a backup, a restore)
// takes event sinks. A sink is advised with a cookie and unadvised by it.
// Thread contract: any thread; events may be fired on any thread while sinks
// are advised or unadvised on another.
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

#include "dmo/ComPtr.h"
#include "dmo/Object.h"

namespace dmo {

class IConnectionPoint : public IUnknown {
public:
    static constexpr Guid kIid = Guid::Parse("{B196B286-BAB4-101A-B69C-00AA00341D07}");

    virtual HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) = 0;
    virtual HRESULT Unadvise(std::uint32_t cookie) = 0;

protected:
    ~IConnectionPoint() = default;
};

class IConnectionPointContainer : public IUnknown {
public:
    static constexpr Guid kIid = Guid::Parse("{B196B284-BAB4-101A-B69C-00AA00341D07}");

    virtual HRESULT FindConnectionPoint(const Guid& iid, IConnectionPoint** point) = 0;

protected:
    ~IConnectionPointContainer() = default;
};

// The connection point of one event interface: keeps the advised sinks and
// fires events to each.
class ConnectionPoint final : public Object<IConnectionPoint> {
public:
    explicit ConnectionPoint(const Guid& sinkIid) : sinkIid_(sinkIid) {}

    const Guid& SinkIid() const { return sinkIid_; }
    HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) override;
    HRESULT Unadvise(std::uint32_t cookie) override;

    // Calls `fire` for every advised sink, outside the lock, so a sink may
    // unadvise from within its event.
    template <class Sink>
    void Fire(const std::function<void(Sink&)>& fire) {
        for (const ComPtr<IUnknown>& sink : Snapshot()) {
            ComPtr<Sink> typed = sink.As<Sink>();
            if (typed)
                fire(*typed.Get());
        }
    }

private:
    std::vector<ComPtr<IUnknown>> Snapshot();

    Guid sinkIid_;
    std::mutex mutex_;
    std::map<std::uint32_t, ComPtr<IUnknown>> sinks_;
    std::uint32_t nextCookie_ = 1;
};

}  // namespace dmo
