#include <gtest/gtest.h>

#include "dmo/ComPtr.h"
#include "dmo/Object.h"
#include "dmo/Server.h"
#include "tests/dmo/Probe.h"

namespace {
int g_destroyed = 0;
}  // namespace

TEST(ObjectTest, QueryInterfaceAnswersForItsInterfacesOnly) {
    auto* probe = new Probe(&g_destroyed);
    void* out = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(probe->QueryInterface(dmo::IUnknown::kIid, &out), dmo::S_OK);
    EXPECT_NE(out, nullptr);
    static_cast<dmo::IUnknown*>(out)->Release();

    EXPECT_EQ(probe->QueryInterface(IProbe::kIid, &out), dmo::S_OK);
    EXPECT_EQ(out, static_cast<IProbe*>(probe));
    static_cast<IProbe*>(out)->Release();

    EXPECT_EQ(probe->QueryInterface(dmo::IServer::kIid, &out), dmo::E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(probe->QueryInterface(IProbe::kIid, nullptr), dmo::E_POINTER);
    probe->Release();
}

TEST(ObjectTest, LastReleaseDestroysTheObject) {
    g_destroyed = 0;
    auto* probe = new Probe(&g_destroyed);
    EXPECT_EQ(probe->AddRef(), 2u);
    EXPECT_EQ(probe->Release(), 1u);
    EXPECT_EQ(g_destroyed, 0);
    EXPECT_EQ(probe->Release(), 0u);
    EXPECT_EQ(g_destroyed, 1);
}

TEST(ObjectTest, ComPtrReleasesItsReferenceAndConvertsByInterface) {
    g_destroyed = 0;
    {
        auto held = dmo::ComPtr<IProbe>::Adopt(new Probe(&g_destroyed));
        dmo::ComPtr<dmo::IUnknown> unknown = held.As<dmo::IUnknown>();
        EXPECT_TRUE(unknown);
        EXPECT_FALSE(held.As<dmo::IServer>());
    }
    EXPECT_EQ(g_destroyed, 1);
}
