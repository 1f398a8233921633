#include "app/ProcessEnd.h"

#include <cstdio>
#include <cstdlib>

void EndProcess(int code) {
    std::fflush(nullptr);
    std::_Exit(code);
}
