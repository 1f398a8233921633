#pragma once
// The backup and restore objects of the embedded instance.
#include <atomic>

#include "dmo/Backup.h"
#include "dmo/Object.h"

namespace instance {

class BackupObject final : public dmo::Object<dmo::IBackup> {
public:
    dmo::HRESULT Abort() override;

private:
    std::atomic<bool> abort_{false};
};

class RestoreObject final : public dmo::Object<dmo::IRestore> {
public:
    dmo::HRESULT Abort() override;

private:
    std::atomic<bool> abort_{false};
};

}  // namespace instance
