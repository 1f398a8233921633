#pragma once
// Opens the real main dialog headless, without a modal loop, against the real
// embedded instance in a fresh data home; modals go to the responder.
#include <gtest/gtest.h>

#include <memory>

#include "app/CzolmgrDlg.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/ScriptedResponder.h"
#include "tests/support/TempHome.h"

class MainDialogFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds and initialises the dialog (registering the instance's classes
    // unless the test registered others first).
    CzolmgrDlg& Open();
    // The widget of a control of the open dialog.
    QWidget* Widget(int id) const;
    std::u16string Text(int id) const;
    bool Enabled(int id) const;
    bool Visible(int id) const;
    // Waits, handling events, until every worker thread has returned; the
    // progress lines posted before its end have been handled by then.
    bool WaitForWorkers();
    // After a long operation: every operation control enabled, the status timer running.
    void ExpectOperationsBack();
    // Clicks an operation's button, waits for its worker and checks the
    // controls came back; returns the log lines it added.
    std::vector<std::u16string> RunOperation(int button);

    TempHome home;
    FakePlatform machine;
    ScriptedResponder responder;
    std::unique_ptr<CzolmgrDlg> dlg;
    bool useInstance = true;
    std::filesystem::path savedDirectory;
};
