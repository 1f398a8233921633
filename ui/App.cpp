#include "ui/App.h"

#include <QApplication>
#include <atomic>
#include <memory>

#include "ui/Modal.h"
#include "ui/Text.h"

namespace ui {
namespace {
std::atomic<App*> g_app{nullptr};
std::atomic<Dialog*> g_mainWindow{nullptr};
}  // namespace

App::App() {
    g_app = this;
}

App::~App() {
    if (g_app == this)
        g_app = nullptr;
}

App* App::Instance() {
    return g_app;
}

int App::Run(int& argc, char** argv) {
    std::unique_ptr<QApplication> application;
    if (QCoreApplication::instance() == nullptr) {
        application = std::make_unique<QApplication>(argc, argv);
    }
    InitInstance();
    return 0;
}

bool App::InitInstance() {
    return true;
}

void App::SetRegistryKey(std::u16string_view key) {
    QCoreApplication::setOrganizationName(ToQString(key));
}

void SetMainWindow(Dialog* dialog) {
    g_mainWindow = dialog;
}

Dialog* MainWindow() {
    return g_mainWindow;
}

std::u16string AppName() {
    return ToU16(QCoreApplication::applicationName());
}

int AppMessageBox(std::u16string_view text, unsigned type) {
    if ((type & MB_ICONMASK) == 0) {
        type |= (type & MB_BUTTONMASK) == MB_YESNO ? MB_ICONQUESTION : MB_ICONEXCLAMATION;
    }
    return ShowMessageBox(MessageBoxRequest{MainWindow(), AppName(), std::u16string(text), type});
}

}  // namespace ui
