#pragma once
// The Qt window behind a Dialog: turns keys, the close request, context-menu
// requests and posted messages into the dialog's commands and messages.
// Thread contract: UI thread.
#include <QDialog>

namespace ui {

class Dialog;

class DialogWindow final : public QDialog {
    Q_OBJECT

public:
    DialogWindow(Dialog& dialog, QWidget* parent);

    // Ends the window's modal loop or hides it.
    void Finish(int result);

    void reject() override;
    void accept() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool HandleKey(QKeyEvent* event);

    Dialog& dialog_;
    bool finishing_ = false;
};

}  // namespace ui
