#include "instance/BackupObjects.h"

namespace instance {

dmo::HRESULT BackupObject::Abort() {
    abort_ = true;
    return dmo::S_OK;
}

dmo::HRESULT RestoreObject::Abort() {
    abort_ = true;
    return dmo::S_OK;
}

}  // namespace instance
