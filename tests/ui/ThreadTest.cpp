#include <gtest/gtest.h>

#include <QTreeWidget>
#include <atomic>
#include <thread>

#include "tests/support/ScriptedResponder.h"
#include "tests/support/Wait.h"
#include "tests/ui/TestDialog.h"
#include "ui/App.h"
#include "ui/Button.h"
#include "ui/ListView.h"

namespace {
std::atomic<int> g_violations{0};
void CountViolation(const char*) {
    ++g_violations;
}
}  // namespace

TEST(ThreadTest, ControlCallsFromAWorkerAreCarriedOutOnTheUiThread) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ui::ListView list(&dialog, kListId);
    list.InsertColumn(0, u"");
    const auto previous = ui::SetThreadViolationHandler(&CountViolation);
    g_violations = 0;

    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int i = 0; i < 200; ++i)
            list.InsertItem(list.GetItemCount(), u"worker");
        ui::Button(&dialog, kButtonId).EnableWindow(false);
        done = true;
    });
    for (int i = 0; i < 200; ++i)
        list.InsertItem(list.GetItemCount(), u"ui");
    ASSERT_TRUE(WaitFor([&] { return done.load(); }));
    worker.join();

    EXPECT_EQ(list.GetItemCount(), 400);
    int fromWorker = 0;
    for (int i = 0; i < 400; ++i)
        fromWorker += list.GetItemText(i) == u"worker";
    EXPECT_EQ(fromWorker, 200);
    EXPECT_FALSE(dialog.Widget(kButtonId)->isEnabled());
    EXPECT_EQ(g_violations, 0);
    ui::SetThreadViolationHandler(previous);
}

TEST(ThreadTest, TouchingAWidgetOffTheUiThreadIsCaught) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    const auto previous = ui::SetThreadViolationHandler(&CountViolation);
    g_violations = 0;
    std::thread worker([&] { (void)dialog.Widget(kButtonId); });
    worker.join();
    EXPECT_EQ(g_violations, 1);
    ui::SetThreadViolationHandler(previous);
}

TEST(ThreadTest, AMessageBoxFromAWorkerIsShownOnTheUiThread) {
    ScriptedResponder responder;
    std::atomic<int> answer{0};
    std::thread worker([&] { answer = ui::AppMessageBox(u"From a worker", ui::MB_OKCANCEL); });
    ASSERT_TRUE(WaitFor([&] { return answer.load() != 0; }));
    worker.join();
    EXPECT_EQ(answer, ui::IDOK);
    ASSERT_EQ(responder.boxes.size(), 1u);
    EXPECT_EQ(responder.boxes[0].text, u"From a worker");
}
