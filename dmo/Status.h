#pragma once
// 32-bit statuses of the management objects. Negative is failure; the values are
// the ones callers of the original object library know, so a code shown to the
// administrator means the same thing it always did.
#include <cstdint>

namespace dmo {

using HRESULT = std::int32_t;

constexpr HRESULT MakeStatus(std::uint32_t bits) {
    return static_cast<HRESULT>(bits);
}

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = MakeStatus(0x80004001u);
inline constexpr HRESULT E_NOINTERFACE = MakeStatus(0x80004002u);
inline constexpr HRESULT E_POINTER = MakeStatus(0x80004003u);
inline constexpr HRESULT E_ABORT = MakeStatus(0x80004004u);
inline constexpr HRESULT E_FAIL = MakeStatus(0x80004005u);
inline constexpr HRESULT E_UNEXPECTED = MakeStatus(0x8000FFFFu);
inline constexpr HRESULT E_OUTOFMEMORY = MakeStatus(0x8007000Eu);
inline constexpr HRESULT E_INVALIDARG = MakeStatus(0x80070057u);
inline constexpr HRESULT E_ACCESSDENIED = MakeStatus(0x80070005u);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = MakeStatus(0x80040110u);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = MakeStatus(0x80040154u);
inline constexpr HRESULT CO_E_NOTINITIALIZED = MakeStatus(0x800401F0u);
inline constexpr HRESULT CONNECT_E_NOCONNECTION = MakeStatus(0x80040200u);
inline constexpr HRESULT CONNECT_E_ADVISELIMIT = MakeStatus(0x80040201u);
inline constexpr HRESULT CONNECT_E_CANNOTCONNECT = MakeStatus(0x80040202u);
// A backup or restore that stopped because it was asked to abort. Callers
// treat it as no error: whoever asked knows.
inline constexpr HRESULT SQLDMO_E_ABORTED = MakeStatus(0x800400CFu);

constexpr bool Succeeded(HRESULT status) {
    return status >= 0;
}
constexpr bool Failed(HRESULT status) {
    return status < 0;
}

}  // namespace dmo
