#include "tests/support/TempHome.h"

#include <cstdlib>

TempHome::TempHome() {
    if (const char* old = std::getenv("ZOLMGR_HOME"))
        previous_ = old;
    setenv("ZOLMGR_HOME", dir_.path().toLocal8Bit().constData(), 1);
}

TempHome::~TempHome() {
    if (previous_) {
        setenv("ZOLMGR_HOME", previous_->c_str(), 1);
    } else {
        unsetenv("ZOLMGR_HOME");
    }
}

std::filesystem::path TempHome::Path() const {
    return dir_.path().toStdString();
}
