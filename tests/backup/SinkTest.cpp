// The progress sinks: their reference counting, and what each event posts.
#include "app/Globals.h"
#include "backup/Sinks.h"
#include "tests/support/MainDialogFixture.h"
#include "tests/support/Wait.h"

namespace {

int g_freed = 0;

struct CountedBackupSink final : CBackupSink {
    ~CountedBackupSink() override { ++g_freed; }
};

using SinkTest = MainDialogFixture;

std::vector<std::u16string> Log() {
    std::vector<std::u16string> lines;
    for (int i = 0; i < g_ctlActivityLog.GetItemCount(); ++i) {
        lines.push_back(g_ctlActivityLog.GetItemText(i));
    }
    return lines;
}

}  // namespace

TEST(SinkRulesTest, QueryInterfaceAnswersForIUnknownAndItsOwnInterfaceOnly) {
    g_freed = 0;
    auto* sink = new CountedBackupSink();
    EXPECT_EQ(sink->m_cRef, 1u);
    void* out = nullptr;
    EXPECT_EQ(sink->QueryInterface(dmo::IUnknown::kIid, &out), dmo::S_OK);
    EXPECT_EQ(out, static_cast<dmo::IWSQLDMOBackupSink*>(sink));
    EXPECT_EQ(sink->m_cRef, 2u);
    EXPECT_EQ(sink->QueryInterface(dmo::IWSQLDMOBackupSink::kIid, &out), dmo::S_OK);
    EXPECT_EQ(sink->m_cRef, 3u);
    EXPECT_EQ(sink->QueryInterface(dmo::IWSQLDMORestoreSink::kIid, &out), dmo::E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(sink->m_cRef, 3u);

    EXPECT_EQ(sink->AddRef(), 4u);
    EXPECT_EQ(sink->Release(), 3u);
    EXPECT_EQ(sink->Release(), 2u);
    EXPECT_EQ(sink->Release(), 1u);
    EXPECT_EQ(g_freed, 0);
    EXPECT_EQ(sink->Release(), 0u);  // at a count of 1: freed
    EXPECT_EQ(g_freed, 1);
}

TEST(SinkRulesTest, TheRestoreSinkAnswersForItsOwnInterface) {
    auto* sink = new CRestoreSink();
    void* out = nullptr;
    EXPECT_EQ(sink->QueryInterface(dmo::IWSQLDMORestoreSink::kIid, &out), dmo::S_OK);
    EXPECT_EQ(sink->QueryInterface(dmo::IWSQLDMOBackupSink::kIid, &out), dmo::E_NOINTERFACE);
    EXPECT_EQ(sink->Release(), 1u);
    EXPECT_EQ(sink->Release(), 0u);
}

TEST_F(SinkTest, EventsBecomeLogLinesWithTheCompletionLeadSkipped) {
    Open();
    const std::u16string backupLead(63, u'b');
    const std::u16string restoreLead(64, u'r');
    auto* backup = new CBackupSink();
    auto* restore = new CRestoreSink();
    {
        // The library's texts live only for the call.
        std::u16string text = backupLead + u"done";
        backup->OnPercent(u"ignored", 35);
        backup->OnNextVolume(u"tape 2");
        backup->OnComplete(text.c_str());
        text.assign(text.size(), u'#');
        text = restoreLead + u"restored";
        restore->OnPercent(nullptr, 100);
        restore->OnNextVolume(u"tape 3");
        restore->OnComplete(text.c_str());
        restore->OnComplete(u"short");  // shorter than the lead: posted whole
        text.assign(text.size(), u'#');
    }
    backup->Release();
    restore->Release();
    ASSERT_TRUE(WaitFor([] { return g_ctlActivityLog.GetItemCount() == 7; }));
    EXPECT_EQ(Log(),
              (std::vector<std::u16string>{
                  u"Backup Percent:  35", u"Backup NextVolume:  tape 2", u"Backup Complete:  done",
                  u"Restore Percent:  100", u"Restore NextVolume:  tape 3",
                  u"Restore Complete:  restored", u"Restore Complete:  short"}));
}
