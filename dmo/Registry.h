#pragma once
// The object registry: the stand-in for in-process object creation by class
// and interface identifier, and for the library's initialisation. The
// composition root registers the embedded instance's classes; tests register
// doubles or make a creation or the initialisation fail.
// Thread contract: every member may be called from any thread.
#include <functional>
#include <map>
#include <mutex>
#include <vector>

#include "dmo/Guid.h"
#include "dmo/Status.h"

namespace dmo {

// Creates a new object and hands back the requested interface with one reference.
using Factory = std::function<HRESULT(const Guid& iid, void** object)>;

class Registry final {
public:
    static Registry& Instance();

    void Register(const Guid& clsid, Factory factory);
    void Clear();

    HRESULT Initialize();
    HRESULT Create(const Guid& clsid, const Guid& iid, void** object);

    // Test hooks.
    void FailInitialize(HRESULT status);
    void FailCreation(const Guid& clsid, HRESULT status);
    void ClearFailures();
    // Classes in the order creations were asked for, failed ones included.
    std::vector<Guid> Attempts() const;

    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

private:
    Registry() = default;

    struct GuidLess {
        bool operator()(const Guid& a, const Guid& b) const;
    };

    mutable std::mutex mutex_;
    std::map<Guid, Factory, GuidLess> factories_;
    std::map<Guid, HRESULT, GuidLess> failures_;
    std::vector<Guid> attempts_;
    HRESULT initializeResult_ = S_OK;
};

// Initialises the object library for the calling thread.
HRESULT InitializeLibrary();

HRESULT CreateInstance(const Guid& clsid, const Guid& iid, void** object);

// Typed form: CreateInstance<IServer>(kClsidServer, &server).
template <class Interface>
HRESULT CreateInstance(const Guid& clsid, Interface** object) {
    return CreateInstance(clsid, Interface::kIid, reinterpret_cast<void**>(object));
}

}  // namespace dmo
