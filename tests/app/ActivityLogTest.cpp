// The activity log: its lines, the progress message and appends from many threads.
#include <QTreeWidget>
#include <atomic>
#include <thread>

#include "app/ActivityLog.h"
#include "app/Globals.h"
#include "res/resource.h"
#include "tests/support/MainDialogFixture.h"
#include "tests/support/Wait.h"

namespace {

class ActivityLogTest : public MainDialogFixture {
protected:
    std::vector<std::u16string> Lines() {
        std::vector<std::u16string> lines;
        for (int i = 0; i < g_ctlActivityLog.GetItemCount(); ++i) {
            lines.push_back(g_ctlActivityLog.GetItemText(i));
        }
        return lines;
    }
    ui::LRESULT Send(ui::WPARAM code, ui::LPARAM value) { return dlg->OnUpdateText(code, value); }
    ui::LPARAM TextParam(const std::u16string& text) {
        return reinterpret_cast<ui::LPARAM>(text.c_str());
    }
};

}  // namespace

TEST_F(ActivityLogTest, EachEventCodeHasItsLine) {
    Open();
    const std::u16string volume = u"tape 2";
    const std::u16string empty;
    const std::u16string done = u"done";
    EXPECT_EQ(Send(0, 10), 1);
    EXPECT_EQ(Send(1, TextParam(volume)), 1);
    EXPECT_EQ(Send(2, TextParam(empty)), 1);
    EXPECT_EQ(Send(3, 100), 1);
    EXPECT_EQ(Send(4, TextParam(volume)), 1);
    EXPECT_EQ(Send(5, TextParam(done)), 1);
    EXPECT_EQ(Send(0, -7), 1);
    EXPECT_EQ(Lines(),
              (std::vector<std::u16string>{u"Backup Percent:  10", u"Backup NextVolume:  tape 2",
                                           u"Backup Complete:  ", u"Restore Percent:  100",
                                           u"Restore NextVolume:  tape 2",
                                           u"Restore Complete:  done", u"Backup Percent:  -7"}));
}

TEST_F(ActivityLogTest, ALongTextIsCutTo254Characters) {
    Open();
    std::u16string text;
    for (int i = 0; i < 300; ++i)
        text.push_back(static_cast<char16_t>(u'a' + i % 26));
    Send(1, TextParam(text));
    const std::u16string line = Lines().back();
    EXPECT_EQ(line.size(), 254u);
    EXPECT_EQ(line, u"Backup NextVolume:  " + text.substr(0, 234));
}

TEST_F(ActivityLogTest, TheNewestLineIsTheOnlySelectedOneAndWhollyVisible) {
    Open();
    for (int i = 0; i < 300; ++i)
        AppendLogLine((u"line " + std::u16string(1, u'x')).c_str());
    AppendLogLine(u"newest");
    auto* view = qobject_cast<QTreeWidget*>(Widget(IDC_ACTIVITYLOG));
    ASSERT_EQ(view->selectedItems().size(), 1);
    EXPECT_EQ(view->selectedItems().front()->text(0), QStringLiteral("newest"));
    const QRect item = view->visualItemRect(view->topLevelItem(300));
    EXPECT_GE(item.top(), 0);
    EXPECT_LE(item.bottom(), view->viewport()->rect().bottom());
    EXPECT_EQ(g_ctlActivityLog.GetColumnWidth(0), 4000);
}

TEST_F(ActivityLogTest, AppendsFromAWorkerAndPostedMessagesLoseNothingAndNeverMix) {
    Open();
    constexpr int kEach = 300;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int i = 0; i < kEach; ++i)
            AppendLogLine(u"from the worker");
        done = true;
    });
    std::thread sink([&] {
        // A sink's text lives only for its own call; the message keeps a copy.
        for (int i = 0; i < kEach; ++i) {
            std::u16string text =
                u"step " + std::u16string(1, static_cast<char16_t>(u'0' + i % 10));
            PostUpdateText(kBackupNextVolume, text);
            text.assign(text.size(), u'#');
        }
    });
    sink.join();
    ASSERT_TRUE(WaitFor([&] { return done && g_ctlActivityLog.GetItemCount() == 2 * kEach; }));
    worker.join();
    int fromWorker = 0;
    int fromSink = 0;
    for (const std::u16string& line : Lines()) {
        if (line == u"from the worker") {
            ++fromWorker;
        } else if (line.starts_with(u"Backup NextVolume:  step ") && line.size() == 26) {
            ++fromSink;
        } else {
            ADD_FAILURE() << "mixed line of " << line.size() << " characters";
        }
    }
    EXPECT_EQ(fromWorker, kEach);
    EXPECT_EQ(fromSink, kEach);
}

TEST_F(ActivityLogTest, PercentEventsArriveInTheOrderPosted) {
    Open();
    for (int percent : {5, 10, 15})
        PostUpdatePercent(kRestorePercent, percent);
    ASSERT_TRUE(WaitFor([&] { return g_ctlActivityLog.GetItemCount() == 3; }));
    EXPECT_EQ(Lines(), (std::vector<std::u16string>{u"Restore Percent:  5", u"Restore Percent:  10",
                                                    u"Restore Percent:  15"}));
}
