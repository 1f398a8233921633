// Creation of the four management objects, and a dialog that lives without them.
#include "app/Globals.h"
#include "dmo/ClassIds.h"
#include "dmo/Registry.h"
#include "instance/Registration.h"
#include "res/resource.h"
#include "tests/support/MainDialogFixture.h"

namespace {

struct CreationCase {
    const char* name;
    bool failInitialise;
    dmo::Guid failing;
    const char16_t* message;
    int created;  // how many of application, server, backup, restore exist afterwards
};

const CreationCase kCases[] = {
    {"Initialise", true, dmo::Guid{}, u"CoInitialize Failed", 0},
    {"Application", false, dmo::kClsidApplication, u"Application: CoCreateInstance Failed", 0},
    {"Server", false, dmo::kClsidServer, u"Sever: CoCreateInstance Failed", 1},
    {"Backup", false, dmo::kClsidBackup, u"Backup: CoCreateInstance Failed", 2},
    {"Restore", false, dmo::kClsidRestore, u"Restore: CoCreateInstance Failed", 3},
};

void PrintTo(const CreationCase& c, std::ostream* os) {
    *os << c.name;
}

class CreationTest : public MainDialogFixture, public ::testing::WithParamInterface<CreationCase> {
protected:
    // Opens the dialog on the real instance with the case's failure arranged.
    void OpenFailing(const CreationCase& c) {
        instance::RegisterClasses();
        useInstance = false;
        if (c.failInitialise) {
            dmo::Registry::Instance().FailInitialize(dmo::E_FAIL);
        } else {
            dmo::Registry::Instance().FailCreation(c.failing, dmo::E_OUTOFMEMORY);
        }
        Open();
    }
};

}  // namespace

TEST_P(CreationTest, FirstFailureShowsItsMessageAndStopsTheCreations) {
    const CreationCase& c = GetParam();
    OpenFailing(c);

    ASSERT_EQ(responder.boxes.size(), 1u);
    EXPECT_EQ(responder.boxes[0].text, c.message);
    EXPECT_EQ(responder.boxes[0].caption, u"zolmgr");
    EXPECT_EQ(responder.boxes[0].type, ui::MB_OK | ui::MB_ICONEXCLAMATION);

    const dmo::IUnknown* objects[] = {g_pApplication, g_pServer, g_pBackup, g_pRestore};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(objects[i] != nullptr, i < c.created) << "object " << i;
    }
    // Nothing after the failure was even attempted.
    EXPECT_EQ(dmo::Registry::Instance().Attempts().size(),
              static_cast<std::size_t>(c.failInitialise ? 0 : c.created + 1));

    // The dialog opened all the same, disconnected, with its timer running.
    EXPECT_FALSE(dlg->IsEnded());
    EXPECT_TRUE(Enabled(IDC_CONNECT));
    EXPECT_EQ(dlg->TimerInterval(1), 5000);
    EXPECT_EQ(Text(IDC_STATUS), c.created >= 2 ? u"Running" : u"Unknown");
    // The server list holds the local instance whatever is missing; without the
    // application object there is no network list, so nothing is selected.
    EXPECT_EQ(dlg->GetDlgItem(IDC_SERVERS).GetWindowText(), c.created >= 1 ? u"TESTBOX\\ZOL" : u"");
}

TEST_P(CreationTest, HandlersWithoutTheirObjectsDoNothing) {
    const CreationCase& c = GetParam();
    OpenFailing(c);
    responder.boxes.clear();
    for (int id : {IDC_CONNECT, IDC_STARTSTOP})
        dlg->SendCommand(id);
    dlg->SendSysCommand(IDM_ABOUTBOX);
    dlg->UpdateServiceStatus();
    g_bConnected = 1;
    dlg->SendCommand(ui::IDOK);
    EXPECT_TRUE(dlg->IsEnded());
}

INSTANTIATE_TEST_SUITE_P(EachCreation, CreationTest, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });
