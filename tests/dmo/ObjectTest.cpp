#include <gtest/gtest.h>

#include "dmo/Backup.h"
#include "dmo/ComPtr.h"
#include "dmo/Object.h"
#include "dmo/Server.h"

namespace {

int g_destroyed = 0;

class Probe final : public dmo::Object<dmo::IBackup> {
public:
    dmo::HRESULT Abort() override { return dmo::S_OK; }
    ~Probe() override { ++g_destroyed; }
};

}  // namespace

TEST(ObjectTest, QueryInterfaceAnswersForItsInterfacesOnly) {
    auto* probe = new Probe();
    void* out = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(probe->QueryInterface(dmo::IUnknown::kIid, &out), dmo::S_OK);
    EXPECT_NE(out, nullptr);
    static_cast<dmo::IUnknown*>(out)->Release();

    EXPECT_EQ(probe->QueryInterface(dmo::IBackup::kIid, &out), dmo::S_OK);
    EXPECT_EQ(out, static_cast<dmo::IBackup*>(probe));
    static_cast<dmo::IBackup*>(out)->Release();

    EXPECT_EQ(probe->QueryInterface(dmo::IServer::kIid, &out), dmo::E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(probe->QueryInterface(dmo::IBackup::kIid, nullptr), dmo::E_POINTER);
    probe->Release();
}

TEST(ObjectTest, LastReleaseDestroysTheObject) {
    g_destroyed = 0;
    auto* probe = new Probe();
    EXPECT_EQ(probe->AddRef(), 2u);
    EXPECT_EQ(probe->Release(), 1u);
    EXPECT_EQ(g_destroyed, 0);
    EXPECT_EQ(probe->Release(), 0u);
    EXPECT_EQ(g_destroyed, 1);
}

TEST(ObjectTest, ComPtrReleasesItsReferenceAndConvertsByInterface) {
    g_destroyed = 0;
    {
        auto held = dmo::ComPtr<dmo::IBackup>::Adopt(new Probe());
        dmo::ComPtr<dmo::IUnknown> unknown = held.As<dmo::IUnknown>();
        EXPECT_TRUE(unknown);
        EXPECT_FALSE(held.As<dmo::IServer>());
    }
    EXPECT_EQ(g_destroyed, 1);
}
