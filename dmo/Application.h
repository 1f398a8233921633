#pragma once
// The application object and the name lists it hands out.
// Thread contract: any thread; texts are UTF-16.
#include <cstdint>
#include <string>

#include "dmo/Unknown.h"

namespace dmo {

class INameList : public IUnknown {
public:
    static constexpr Guid kIid = Guid::Parse("{10020C0A-E260-11CF-AE68-00AA004A34D5}");

    virtual HRESULT GetCount(std::int32_t* count) = 0;
    // Position 0 to count - 1.
    virtual HRESULT GetItem(std::int32_t index, std::u16string* name) = 0;

protected:
    ~INameList() = default;
};

class IApplication : public IUnknown {
public:
    static constexpr Guid kIid = Guid::Parse("{10020105-E260-11CF-AE68-00AA004A34D5}");

    // The SQL Servers visible on the network; *list is null when none can be listed.
    virtual HRESULT ListAvailableSQLServers(INameList** list) = 0;

protected:
    ~IApplication() = default;
};

}  // namespace dmo
