#include "instance/Registration.h"

#include "dmo/ClassIds.h"
#include "dmo/Registry.h"
#include "instance/ApplicationObject.h"
#include "instance/BackupObjects.h"
#include "instance/ServerObject.h"

namespace instance {
namespace {

template <class T>
dmo::Factory FactoryOf() {
    return [](const dmo::Guid& iid, void** object) {
        auto* created = new T();
        const dmo::HRESULT status = created->QueryInterface(iid, object);
        created->Release();  // the interface handed out holds the one reference left
        return status;
    };
}

}  // namespace

void RegisterClasses() {
    dmo::Registry& registry = dmo::Registry::Instance();
    registry.Register(dmo::kClsidApplication, FactoryOf<ApplicationObject>());
    registry.Register(dmo::kClsidServer, FactoryOf<ServerObject>());
    registry.Register(dmo::kClsidBackup, FactoryOf<BackupObject>());
    registry.Register(dmo::kClsidRestore, FactoryOf<RestoreObject>());
}

}  // namespace instance
