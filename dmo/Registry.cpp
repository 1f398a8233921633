#include "dmo/Registry.h"

#include <tuple>

namespace dmo {

Registry& Registry::Instance() {
    static Registry registry;
    return registry;
}

bool Registry::GuidLess::operator()(const Guid& a, const Guid& b) const {
    return std::tie(a.data1, a.data2, a.data3, a.data4) <
           std::tie(b.data1, b.data2, b.data3, b.data4);
}

void Registry::Register(const Guid& clsid, Factory factory) {
    std::lock_guard lock(mutex_);
    factories_[clsid] = std::move(factory);
}

void Registry::Clear() {
    std::lock_guard lock(mutex_);
    factories_.clear();
    failures_.clear();
    attempts_.clear();
    initializeResult_ = S_OK;
}

HRESULT Registry::Initialize() {
    std::lock_guard lock(mutex_);
    return initializeResult_;
}

HRESULT Registry::Create(const Guid& clsid, const Guid& iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    Factory factory;
    {
        std::lock_guard lock(mutex_);
        attempts_.push_back(clsid);
        if (auto failure = failures_.find(clsid); failure != failures_.end()) {
            return failure->second;
        }
        auto found = factories_.find(clsid);
        if (found == factories_.end()) {
            return REGDB_E_CLASSNOTREG;
        }
        factory = found->second;
    }
    // Outside the lock: a factory may create further objects.
    return factory(iid, object);
}

void Registry::FailInitialize(HRESULT status) {
    std::lock_guard lock(mutex_);
    initializeResult_ = status;
}

void Registry::FailCreation(const Guid& clsid, HRESULT status) {
    std::lock_guard lock(mutex_);
    failures_[clsid] = status;
}

void Registry::ClearFailures() {
    std::lock_guard lock(mutex_);
    failures_.clear();
    initializeResult_ = S_OK;
}

std::vector<Guid> Registry::Attempts() const {
    std::lock_guard lock(mutex_);
    return attempts_;
}

HRESULT InitializeLibrary() {
    return Registry::Instance().Initialize();
}

HRESULT CreateInstance(const Guid& clsid, const Guid& iid, void** object) {
    return Registry::Instance().Create(clsid, iid, object);
}

}  // namespace dmo
