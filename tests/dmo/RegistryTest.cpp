#include <gtest/gtest.h>

#include "dmo/ClassIds.h"
#include "dmo/Object.h"
#include "dmo/Registry.h"
#include "dmo/Server.h"
#include "tests/dmo/Probe.h"

namespace {

dmo::HRESULT MakeBackup(const dmo::Guid& iid, void** object) {
    auto* created = new Probe();
    const dmo::HRESULT status = created->QueryInterface(iid, object);
    created->Release();
    return status;
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { dmo::Registry::Instance().Clear(); }
    void TearDown() override { dmo::Registry::Instance().Clear(); }
};

}  // namespace

TEST_F(RegistryTest, CreatesARegisteredClassByClassAndInterface) {
    dmo::Registry::Instance().Register(dmo::kClsidBackup, &MakeBackup);
    IProbe* backup = nullptr;
    ASSERT_EQ(dmo::CreateInstance(dmo::kClsidBackup, &backup), dmo::S_OK);
    ASSERT_NE(backup, nullptr);
    EXPECT_EQ(backup->Release(), 0u);

    dmo::IServer* wrong = nullptr;
    EXPECT_EQ(dmo::CreateInstance(dmo::kClsidBackup, &wrong), dmo::E_NOINTERFACE);
    EXPECT_EQ(wrong, nullptr);
}

TEST_F(RegistryTest, UnknownClassAndInjectedFailuresFail) {
    IProbe* backup = reinterpret_cast<IProbe*>(0x1);
    EXPECT_EQ(dmo::CreateInstance(dmo::kClsidRestore, &backup), dmo::REGDB_E_CLASSNOTREG);
    EXPECT_EQ(backup, nullptr);

    dmo::Registry::Instance().Register(dmo::kClsidBackup, &MakeBackup);
    dmo::Registry::Instance().FailCreation(dmo::kClsidBackup, dmo::E_OUTOFMEMORY);
    EXPECT_EQ(dmo::CreateInstance(dmo::kClsidBackup, &backup), dmo::E_OUTOFMEMORY);
    EXPECT_EQ(backup, nullptr);
    EXPECT_EQ(dmo::Registry::Instance().Attempts().size(), 2u);

    dmo::Registry::Instance().ClearFailures();
    ASSERT_EQ(dmo::CreateInstance(dmo::kClsidBackup, &backup), dmo::S_OK);
    backup->Release();
}

TEST_F(RegistryTest, InitialisationCanBeMadeToFail) {
    EXPECT_EQ(dmo::InitializeLibrary(), dmo::S_OK);
    dmo::Registry::Instance().FailInitialize(dmo::E_FAIL);
    EXPECT_EQ(dmo::InitializeLibrary(), dmo::E_FAIL);
}
