#pragma once
// The progress sinks of the backup and restore runs. They are called on
// whatever thread runs the operation, and only post UWM_UPDATETEXT to the main
// window: the text of an event is copied into storage of the message's own,
// because the library's text lives only for the call.
#include <atomic>
#include <cstdint>

#include "dmo/Backup.h"

// IUnknown's three operations for one object that answers for exactly one
// interface besides IUnknown.
class CImpIUnknown {
public:
    CImpIUnknown(dmo::IUnknown* pObject, const dmo::Guid* pIID);

    dmo::HRESULT QueryInterface(const dmo::Guid& riid, void** ppvObject);
    std::uint32_t AddRef();
    // Returns the new count; 0 means the caller is to free the object.
    std::uint32_t Release();

    std::atomic<std::uint32_t> m_cRef{1};
    dmo::IUnknown* m_pObject;
    const dmo::Guid* m_pIID;
};

class CBackupSink : public dmo::IWSQLDMOBackupSink, public CImpIUnknown {
public:
    CBackupSink();
    virtual ~CBackupSink() = default;

    dmo::HRESULT QueryInterface(const dmo::Guid& riid, void** ppvObject) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;
    dmo::HRESULT OnPercent(const char16_t* pszMessage, std::int32_t nPercent) override;
    dmo::HRESULT OnNextVolume(const char16_t* pszMessage) override;
    dmo::HRESULT OnComplete(const char16_t* pszMessage) override;
};

class CRestoreSink : public dmo::IWSQLDMORestoreSink, public CImpIUnknown {
public:
    CRestoreSink();
    virtual ~CRestoreSink() = default;

    dmo::HRESULT QueryInterface(const dmo::Guid& riid, void** ppvObject) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;
    dmo::HRESULT OnPercent(const char16_t* pszMessage, std::int32_t nPercent) override;
    dmo::HRESULT OnNextVolume(const char16_t* pszMessage) override;
    dmo::HRESULT OnComplete(const char16_t* pszMessage) override;
};
