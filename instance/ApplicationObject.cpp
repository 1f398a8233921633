#include "instance/ApplicationObject.h"

#include "instance/Instance.h"
#include "instance/NameList.h"

namespace instance {

dmo::HRESULT ApplicationObject::ListAvailableSQLServers(dmo::INameList** list) {
    if (list == nullptr)
        return dmo::E_POINTER;
    *list = new NameList(Instance::ListServers());
    return dmo::S_OK;
}

}  // namespace instance
