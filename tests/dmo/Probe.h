#pragma once
// An interface of the tests' own, and an object that implements it.
#include "dmo/Object.h"

class IProbe : public dmo::IUnknown {
public:
    static constexpr dmo::Guid kIid = dmo::Guid::Parse("{5A0B0E00-0000-4000-8000-00000000AB01}");
    virtual dmo::HRESULT Ping() = 0;

protected:
    ~IProbe() = default;
};

// Counts its destruction in *destroyed, when given.
class Probe final : public dmo::Object<IProbe> {
public:
    explicit Probe(int* destroyed = nullptr) : destroyed_(destroyed) {}
    dmo::HRESULT Ping() override { return dmo::S_OK; }

private:
    ~Probe() override {
        if (destroyed_ != nullptr)
            ++*destroyed_;
    }
    int* destroyed_;
};
