#pragma once
#include <QIcon>

namespace res {

// Icon 130: a database drum with a green tick, painted at the sizes a window
// manager asks for.
QIcon MainIcon();

}  // namespace res
