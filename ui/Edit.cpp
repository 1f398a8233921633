#include "ui/Edit.h"

#include <QLineEdit>

namespace ui {

bool Edit::IsReadOnly() const {
    return OnWidget<QLineEdit>(false, [](QLineEdit& e) { return e.isReadOnly(); });
}

}  // namespace ui
