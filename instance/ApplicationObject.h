#pragma once
// The application object of the embedded instance: lists the instance folders
// as the servers visible on the network.
#include "dmo/Application.h"
#include "dmo/Object.h"

namespace instance {

class ApplicationObject final : public dmo::Object<dmo::IApplication> {
public:
    dmo::HRESULT ListAvailableSQLServers(dmo::INameList** list) override;
};

}  // namespace instance
