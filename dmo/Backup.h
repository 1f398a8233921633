#pragma once
// The backup and restore objects.
// Thread contract: any thread; Abort may arrive from the UI thread while a
// worker runs the operation.
#include "dmo/Unknown.h"

namespace dmo {

class IBackup : public IUnknown {
public:
    static constexpr Guid kIid = Guid::Parse("{10021F05-E260-11CF-AE68-00AA004A34D5}");

    // Asks a running backup to stop at its next step; harmless when none runs.
    virtual HRESULT Abort() = 0;

protected:
    ~IBackup() = default;
};

class IRestore : public IUnknown {
public:
    static constexpr Guid kIid = Guid::Parse("{10023202-E260-11CF-AE68-00AA004A34D5}");

    // Asks a running restore to stop at its next step; harmless when none runs.
    virtual HRESULT Abort() = 0;

protected:
    ~IRestore() = default;
};

}  // namespace dmo
