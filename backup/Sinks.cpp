#include "backup/Sinks.h"

#include <string_view>

#include "app/ActivityLog.h"

namespace {

// The completion texts start with a fixed part of this length, which the log
// leaves out. A shorter text is posted whole.
constexpr std::size_t kBackupCompleteSkip = 63;
constexpr std::size_t kRestoreCompleteSkip = 64;

std::u16string_view AfterSkip(const char16_t* pszText, std::size_t nSkip) {
    const std::u16string_view text = pszText != nullptr ? pszText : u"";
    return text.size() > nSkip ? text.substr(nSkip) : text;
}

std::u16string_view Text(const char16_t* pszText) {
    return pszText != nullptr ? pszText : u"";
}

}  // namespace

CImpIUnknown::CImpIUnknown(dmo::IUnknown* pObject, const dmo::Guid* pIID)
    : m_pObject(pObject), m_pIID(pIID) {}

dmo::HRESULT CImpIUnknown::QueryInterface(const dmo::Guid& riid, void** ppvObject) {
    if (ppvObject == nullptr)
        return dmo::E_POINTER;
    if (riid == dmo::IUnknown::kIid || riid == *m_pIID) {
        *ppvObject = m_pObject;
        ++m_cRef;
        return dmo::S_OK;
    }
    *ppvObject = nullptr;
    return dmo::E_NOINTERFACE;
}

std::uint32_t CImpIUnknown::AddRef() {
    return ++m_cRef;
}

std::uint32_t CImpIUnknown::Release() {
    std::uint32_t nCount = m_cRef.load();
    while (nCount > 1) {
        if (m_cRef.compare_exchange_weak(nCount, nCount - 1))
            return nCount - 1;
    }
    return 0;
}

CBackupSink::CBackupSink()
    : CImpIUnknown(static_cast<dmo::IWSQLDMOBackupSink*>(this), &dmo::IWSQLDMOBackupSink::kIid) {}

dmo::HRESULT CBackupSink::QueryInterface(const dmo::Guid& riid, void** ppvObject) {
    return CImpIUnknown::QueryInterface(riid, ppvObject);
}

std::uint32_t CBackupSink::AddRef() {
    return CImpIUnknown::AddRef();
}

std::uint32_t CBackupSink::Release() {
    const std::uint32_t nCount = CImpIUnknown::Release();
    if (nCount == 0)
        delete this;
    return nCount;
}

dmo::HRESULT CBackupSink::OnPercent(const char16_t*, std::int32_t nPercent) {
    PostUpdatePercent(kBackupPercent, nPercent);
    return dmo::S_OK;
}

dmo::HRESULT CBackupSink::OnNextVolume(const char16_t* pszMessage) {
    PostUpdateText(kBackupNextVolume, Text(pszMessage));
    return dmo::S_OK;
}

dmo::HRESULT CBackupSink::OnComplete(const char16_t* pszMessage) {
    PostUpdateText(kBackupComplete, AfterSkip(pszMessage, kBackupCompleteSkip));
    return dmo::S_OK;
}

CRestoreSink::CRestoreSink()
    : CImpIUnknown(static_cast<dmo::IWSQLDMORestoreSink*>(this), &dmo::IWSQLDMORestoreSink::kIid) {}

dmo::HRESULT CRestoreSink::QueryInterface(const dmo::Guid& riid, void** ppvObject) {
    return CImpIUnknown::QueryInterface(riid, ppvObject);
}

std::uint32_t CRestoreSink::AddRef() {
    return CImpIUnknown::AddRef();
}

std::uint32_t CRestoreSink::Release() {
    const std::uint32_t nCount = CImpIUnknown::Release();
    if (nCount == 0)
        delete this;
    return nCount;
}

dmo::HRESULT CRestoreSink::OnPercent(const char16_t*, std::int32_t nPercent) {
    PostUpdatePercent(kRestorePercent, nPercent);
    return dmo::S_OK;
}

dmo::HRESULT CRestoreSink::OnNextVolume(const char16_t* pszMessage) {
    PostUpdateText(kRestoreNextVolume, Text(pszMessage));
    return dmo::S_OK;
}

dmo::HRESULT CRestoreSink::OnComplete(const char16_t* pszMessage) {
    PostUpdateText(kRestoreComplete, AfterSkip(pszMessage, kRestoreCompleteSkip));
    return dmo::S_OK;
}
