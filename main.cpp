// Composition root: installs the real services, registers the embedded
// instance's classes and runs the application object.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/CzolmgrApp.h"
#include "app/ProcessEnd.h"
#include "app/Screenshot.h"
#include "instance/Registration.h"
#include "res/Resources.h"

namespace {

bool HasDisplay() {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

void Usage() {
    std::fprintf(stderr,
                 "usage: zolmgr [--screenshot FILE]\n"
                 "  --screenshot FILE  render the main dialog to a PNG file and exit\n");
}

}  // namespace

int main(int argc, char** argv) {
    const char* screenshot = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            screenshot = argv[++i];
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            Usage();
            return 0;
        } else {
            Usage();
            return 2;
        }
    }

    if (screenshot != nullptr) {
        // A picture needs no screen.
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    } else if (!HasDisplay()) {
        std::fprintf(stderr,
                     "zolmgr: no display available (DISPLAY and WAYLAND_DISPLAY are unset).\n"
                     "Start it from a desktop session, or render the dialog to a file with\n"
                     "  zolmgr --screenshot zolmgr.png\n");
        return 1;
    }

    instance::RegisterClasses();
    res::Install();

    if (screenshot != nullptr) {
        QApplication application(argc, argv);
        EndProcess(RenderScreenshot(QString::fromLocal8Bit(screenshot)));
    }
    EndProcess(theApp.Run(argc, argv));
}
