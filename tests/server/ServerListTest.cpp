// Filling the server list and addressing the chosen server.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "app/Globals.h"
#include "instance/Catalog.h"
#include "instance/Instance.h"
#include "res/resource.h"
#include "tests/support/MainDialogFixture.h"
#include "tests/support/RecordingObjects.h"
#include "ui/ComboBox.h"

namespace {

using Names = std::vector<std::u16string>;

class ServerListTest : public MainDialogFixture {
protected:
    void OpenWithNetwork(std::optional<Names> network) {
        RecordingApplication::names = std::move(network);
        RegisterRecordingObjects(log, &server);
        useInstance = false;
        Open();
    }
    Names Entries() {
        ui::ComboBox combo(dlg.get(), IDC_SERVERS);
        Names entries;
        for (int i = 0; i < combo.GetCount(); ++i)
            entries.push_back(combo.GetLBText(i));
        return entries;
    }
    int Selection() { return ui::ComboBox(dlg.get(), IDC_SERVERS).GetCurSel(); }
    bool Logged(const std::string& call) {
        const auto calls = log.Calls();
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }

    CallLog log;
    RecordingServer* server = nullptr;
};

}  // namespace

TEST_F(ServerListTest, NetworkListIsSortedAndTheLocalInstanceListedOnce) {
    OpenWithNetwork(Names{u"SRV02\\ZOL", u"TESTBOX\\ZOL", u"ALPHA\\ZOL"});
    EXPECT_EQ(Entries(), (Names{u"ALPHA\\ZOL", u"SRV02\\ZOL", u"TESTBOX\\ZOL"}));
    // The first in order is selected, and it need not be the local instance.
    EXPECT_EQ(Selection(), 0);
    EXPECT_EQ(g_szServerName.View(), u"ALPHA\\ZOL");
    const auto calls = log.Calls();
    const Names::size_type at =
        std::find(calls.begin(), calls.end(), "server.SetName ALPHA\\ZOL") - calls.begin();
    ASSERT_LT(at + 2, calls.size());
    EXPECT_EQ(calls[at + 1], "server.SetLoginSecure 1");
    EXPECT_EQ(calls[at + 2], "server.SetLoginTimeout 10");
}

TEST_F(ServerListTest, TheLocalNameInOtherLetterCaseIsListedTwice) {
    OpenWithNetwork(Names{u"testbox\\zol"});
    EXPECT_EQ(Entries(), (Names{u"testbox\\zol", u"TESTBOX\\ZOL"}));
}

TEST_F(ServerListTest, EmptyNetworkListGetsTheLocalInstanceSelected) {
    OpenWithNetwork(Names{});
    EXPECT_EQ(Entries(), Names{u"TESTBOX\\ZOL"});
    EXPECT_EQ(Selection(), 0);
    EXPECT_EQ(Text(IDC_STATUS), u"Running");
    EXPECT_TRUE(Logged("server.SetName TESTBOX\\ZOL"));
}

TEST_F(ServerListTest, NoListObjectAddsTheLocalInstanceButSelectsNothing) {
    OpenWithNetwork(std::nullopt);
    EXPECT_EQ(Entries(), Names{u"TESTBOX\\ZOL"});
    EXPECT_EQ(Selection(), -1);
    EXPECT_EQ(g_szServerName.View(), u"");
    EXPECT_TRUE(Logged("server.SetName "));
}

TEST_F(ServerListTest, NoComputerNameAddsNoLocalInstance) {
    FakePlatform nameless(std::nullopt);
    OpenWithNetwork(Names{u"SRV01\\ZOL"});
    EXPECT_EQ(Entries(), Names{u"SRV01\\ZOL"});
}

TEST_F(ServerListTest, TheFirstEntryTakesItsNameFromTheEditField) {
    OpenWithNetwork(Names{u"ALPHA\\ZOL", u"BETA\\ZOL"});
    auto* combo = qobject_cast<QComboBox*>(Widget(IDC_SERVERS));
    // Entry 0 selected, the field showing other text than the entry's.
    combo->setCurrentIndex(0);
    combo->lineEdit()->setText(QStringLiteral("GAMMA\\ZOL"));
    dlg->OnSelchangeServer();
    EXPECT_EQ(g_szServerName.View(), u"GAMMA\\ZOL");
    // Any later entry takes the entry's own text.
    combo->setCurrentIndex(1);
    combo->lineEdit()->setText(QStringLiteral("ignored"));
    dlg->OnSelchangeServer();
    EXPECT_EQ(g_szServerName.View(), u"BETA\\ZOL");
}

TEST_F(ServerListTest, ANameTooLongIsRefusedAndThePreviousOneStays) {
    const std::u16string longName = u"SRV\\" + std::u16string(120, u'Z');
    OpenWithNetwork(Names{u"A\\ZOL", longName});
    ASSERT_EQ(Entries()[1], longName);
    log.Clear();
    ui::ComboBox(dlg.get(), IDC_SERVERS).SetCurSel(1);
    dlg->OnSelchangeServer();
    EXPECT_EQ(g_szServerName.View(), u"A\\ZOL");
    EXPECT_FALSE(Logged("server.SetName " + std::string(longName.begin(), longName.end())));
    ASSERT_EQ(responder.boxes.size(), 1u);
    EXPECT_EQ(responder.boxes[0].text,
              u"The server name is longer than 99 characters and cannot be used.");
}

TEST_F(ServerListTest, ChoosingAnotherServerShowsItsService) {
    // The real instance, and a second one "on the network".
    std::string error;
    ASSERT_TRUE(instance::CreateInstanceFolder(home.Path() / "servers/SRV01/ZOL", &error));
    instance::Instance::Locate(u"SRV01\\ZOL", nullptr)->SetServiceState(dmo::kStatusPaused);
    Open();
    ASSERT_EQ(Entries(), (Names{u"SRV01\\ZOL", u"TESTBOX\\ZOL"}));
    EXPECT_EQ(Text(IDC_STATUS), u"Paused");
    auto* combo = qobject_cast<QComboBox*>(Widget(IDC_SERVERS));
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(g_szServerName.View(), u"TESTBOX\\ZOL");
    EXPECT_EQ(Text(IDC_STATUS), u"Running");
}
