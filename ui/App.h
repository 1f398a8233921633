#pragma once
// The application object: starts the process and runs its one dialog, and the
// application's standard message box.
// Thread contract: Run and InitInstance on the main thread, which becomes the
// UI thread. AppMessageBox from any thread.
#include <string>
#include <string_view>

#include "ui/Types.h"

namespace ui {

class Dialog;

class App {
public:
    App();
    virtual ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    static App* Instance();

    // Creates the toolkit's application (unless one exists), runs InitInstance
    // and returns the process's exit code.
    int Run(int& argc, char** argv);

protected:
    // False ends the process without an event loop of the application's own.
    virtual bool InitInstance();

    // The toolkit's controls need no registration; kept so start-up reads in order.
    void InitCommonControls() {}
    void EnableEmbeddedControls() {}
    // The key settings would be stored under; nothing is stored.
    void SetRegistryKey(std::u16string_view key);
};

void SetMainWindow(Dialog* dialog);
Dialog* MainWindow();

// The application's name: the executable's file name without extension.
std::u16string AppName();

// The application's standard message box: caption the application's name;
// without an icon in `type` it takes the exclamation icon (the question icon
// for Yes/No).
int AppMessageBox(std::u16string_view text, unsigned type = MB_OK);

}  // namespace ui
