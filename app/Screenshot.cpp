#include "app/Screenshot.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

#include "app/CzolmgrDlg.h"
#include "ui/App.h"
#include "ui/Modal.h"
#include "ui/Text.h"

namespace {

class FirstButtonResponder final : public ui::ModalResponder {
public:
    int AnswerMessageBox(const ui::MessageBoxRequest& request) override {
        std::fprintf(stderr, "zolmgr: %s\n", ui::ToQString(request.text).toLocal8Bit().constData());
        return (request.type & ui::MB_BUTTONMASK) == ui::MB_YESNO ? ui::IDYES : ui::IDOK;
    }
    int AnswerDialog(ui::Dialog&) override { return ui::IDCANCEL; }
    std::optional<std::u16string> AnswerOpenFile(const ui::OpenFileRequest&) override {
        return std::nullopt;
    }
};

}  // namespace

int RenderScreenshot(const QString& file) {
    FirstButtonResponder responder;
    ui::SetModalResponder(&responder);
    CzolmgrDlg dlg;
    ui::SetMainWindow(&dlg);
    if (!dlg.Create()) {
        std::fprintf(stderr, "zolmgr: the main dialog could not be built\n");
        return 1;
    }
    QCoreApplication::processEvents();
    const bool saved = dlg.Window()->grab().save(file, "PNG");
    ui::SetMainWindow(nullptr);
    ui::SetModalResponder(nullptr);
    if (!saved) {
        std::fprintf(stderr, "zolmgr: cannot write %s\n", file.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
