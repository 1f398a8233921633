// The embedded instance on real files in a fresh data home.
#include <gtest/gtest.h>

#include "dmo/ComPtr.h"
#include "dmo/ErrorInfo.h"
#include "instance/ApplicationObject.h"
#include "instance/Catalog.h"
#include "instance/FileName.h"
#include "instance/Instance.h"
#include "instance/ServerObject.h"
#include "instance/Sqlite.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/TempHome.h"

namespace {

class InstanceTest : public ::testing::Test {
protected:
    TempHome home;
    FakePlatform machine;

    std::filesystem::path LocalFolder() const { return home.Path() / "servers/TESTBOX/ZOL"; }

    dmo::ComPtr<instance::ServerObject> Server(const char16_t* name) {
        auto server = dmo::ComPtr<instance::ServerObject>::Adopt(new instance::ServerObject());
        server->SetName(name);
        return server;
    }
};

std::int64_t Count(const std::filesystem::path& file, const char* sql) {
    instance::Connection db;
    EXPECT_TRUE(db.Open(file, false)) << file;
    instance::Statement query(db, sql);
    EXPECT_TRUE(query.Step()) << db.Error();
    return query.Int(0);
}

}  // namespace

TEST_F(InstanceTest, FirstUseMakesTheLocalInstanceWithItsDatabases) {
    EXPECT_FALSE(std::filesystem::exists(LocalFolder()));
    auto found = instance::Instance::Locate(u"TESTBOX\\ZOL", nullptr);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Name(), u"TESTBOX\\ZOL");
    EXPECT_EQ(found->ServiceState(), dmo::kStatusRunning);

    std::vector<std::pair<std::u16string, bool>> databases;
    for (const auto& entry : found->Databases())
        databases.emplace_back(entry.name, entry.system);
    EXPECT_EQ(databases, (std::vector<std::pair<std::u16string, bool>>{{u"master", true},
                                                                       {u"model", true},
                                                                       {u"msdb", true},
                                                                       {u"tempdb", true},
                                                                       {u"zol", false},
                                                                       {u"dezurivuvi", false}}));
    const auto files = LocalFolder() / instance::kDatabasesFolder;
    EXPECT_EQ(Count(files / "zol.db", "SELECT count(*) FROM orders"), 5);
    EXPECT_EQ(Count(files / "zol.db", "SELECT count(*) FROM sqlite_master WHERE type = 'index'"),
              3);
    EXPECT_EQ(Count(files / "dezurivuvi.db", "SELECT count(*) FROM readings"), 4);
}

TEST_F(InstanceTest, LocalAliasesAndLetterCaseAddressTheSameInstance) {
    for (const char16_t* name :
         {u"TESTBOX\\ZOL", u"testbox\\zol", u".\\ZOL", u"(local)\\ZOL", u"localhost\\Zol"}) {
        auto found = instance::Instance::Locate(name, nullptr);
        ASSERT_TRUE(found) << instance::EscapeName(name);
        EXPECT_EQ(found->Folder(), LocalFolder());
    }
}

TEST_F(InstanceTest, ServiceStateIsKeptInTheCatalog) {
    auto server = Server(u"TESTBOX\\ZOL");
    std::int32_t status = -1;
    ASSERT_EQ(server->GetStatus(&status), dmo::S_OK);
    EXPECT_EQ(status, dmo::kStatusRunning);
    ASSERT_EQ(server->Shutdown(true), dmo::S_OK);

    // A new object, as after a restart of the program, reads what was left.
    auto again = Server(u"TESTBOX\\ZOL");
    ASSERT_EQ(again->GetStatus(&status), dmo::S_OK);
    EXPECT_EQ(status, dmo::kStatusStopped);
    EXPECT_EQ(Count(LocalFolder() / instance::kCatalogFile, "SELECT state FROM service"), 3);
}

TEST_F(InstanceTest, ConnectionsAreAcceptedOnlyWhileRunning) {
    auto server = Server(u"TESTBOX\\ZOL");
    auto local = *instance::Instance::Locate(u"TESTBOX\\ZOL", nullptr);
    struct Case {
        std::int32_t state;
        bool accepted;
    };
    for (const Case c : {Case{dmo::kStatusRunning, true}, Case{dmo::kStatusPaused, false},
                         Case{dmo::kStatusStopped, false}, Case{dmo::kStatusStarting, false},
                         Case{dmo::kStatusPausing, false}}) {
        SCOPED_TRACE(c.state);
        ASSERT_TRUE(local.SetServiceState(c.state));
        std::int32_t status = -1;
        server->GetStatus(&status);
        EXPECT_EQ(status, c.state);  // pending states are reported as they are
        dmo::ClearErrorInfo();
        const dmo::HRESULT result = server->Connect(u"TESTBOX\\ZOL", u"", u"");
        EXPECT_EQ(dmo::Succeeded(result), c.accepted);
        EXPECT_EQ(dmo::TakeErrorInfo().has_value(), !c.accepted);
        server->DisConnect();
    }
}

TEST_F(InstanceTest, StartAndConnectStartsAStoppedServiceThenConnects) {
    auto server = Server(u"TESTBOX\\ZOL");
    ASSERT_EQ(server->Shutdown(true), dmo::S_OK);
    std::int32_t count = 0;
    EXPECT_TRUE(dmo::Failed(server->GetDatabaseCount(&count)));
    ASSERT_EQ(server->Start(true, u"TESTBOX\\ZOL", u"", u""), dmo::S_OK);
    ASSERT_EQ(server->GetDatabaseCount(&count), dmo::S_OK);
    EXPECT_EQ(count, 6);
    ASSERT_EQ(server->Pause(), dmo::S_OK);
    EXPECT_TRUE(dmo::Failed(server->Start(false, nullptr, nullptr, nullptr)));
    ASSERT_EQ(server->Continue(), dmo::S_OK);
    EXPECT_EQ(server->DisConnect(), dmo::S_OK);
    EXPECT_EQ(server->DisConnect(), dmo::S_FALSE);  // nothing left to end
}

TEST_F(InstanceTest, UnknownServerFailsWithADescription) {
    for (const char16_t* name : {u"NOSUCH\\ZOL", u"TESTBOX\\OTHER", u"", u"TESTBOX"}) {
        auto server = Server(name);
        std::int32_t status = 7;
        dmo::ClearErrorInfo();
        EXPECT_TRUE(dmo::Failed(server->GetStatus(&status)));
        EXPECT_EQ(status, dmo::kStatusUnknown);
        EXPECT_TRUE(dmo::TakeErrorInfo().has_value());
        EXPECT_TRUE(dmo::Failed(server->Connect(name, u"", u"")));
        auto description = dmo::TakeErrorInfo();
        ASSERT_TRUE(description.has_value());
        EXPECT_NE(description->find(u"does not exist"), std::u16string::npos);
    }
}

TEST_F(InstanceTest, EveryInstanceFolderIsAServerOnTheNetwork) {
    std::string error;
    ASSERT_TRUE(instance::CreateInstanceFolder(home.Path() / "servers/SRV01/ZOL", &error)) << error;
    std::filesystem::create_directories(home.Path() / "servers/EMPTY/ZOL");  // no catalog
    auto application =
        dmo::ComPtr<instance::ApplicationObject>::Adopt(new instance::ApplicationObject());
    dmo::ComPtr<dmo::INameList> list;
    ASSERT_EQ(application->ListAvailableSQLServers(list.Put()), dmo::S_OK);
    std::int32_t count = 0;
    list->GetCount(&count);
    ASSERT_EQ(count, 1);
    std::u16string name;
    list->GetItem(0, &name);
    EXPECT_EQ(name, u"SRV01\\ZOL");
    EXPECT_TRUE(dmo::Failed(list->GetItem(1, &name)));

    std::int32_t status = 0;
    ASSERT_EQ(Server(u"srv01\\zol")->GetStatus(&status), dmo::S_OK);
    EXPECT_EQ(status, dmo::kStatusRunning);
}

TEST_F(InstanceTest, NamesNeverClimbOutOfTheirFolder) {
    for (const char16_t* name : {u"..", u"../x", u"a/b", u"C:\\x", u"é ü"}) {
        const std::string escaped = instance::EscapeName(name);
        EXPECT_EQ(escaped.find('/'), std::string::npos);
        EXPECT_EQ(escaped.find('.'), std::string::npos);
        EXPECT_EQ(instance::UnescapeName(escaped), name);
    }
    EXPECT_FALSE(instance::Instance::Locate(u"..\\..", nullptr));
}
