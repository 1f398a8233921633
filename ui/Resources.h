#pragma once
// The module's resources: dialog templates, strings and icons by identifier.
// res/ registers them at start-up. Thread contract: registration before the
// first dialog; look-ups from any thread.
#include <QIcon>
#include <functional>
#include <string>

#include "ui/DialogTemplate.h"

namespace ui {

void RegisterDialogTemplate(const DialogTemplate* dialog);
void RegisterString(int id, std::u16string text);
void RegisterIcon(int id, std::function<QIcon()> make);

// Null when no such template exists.
const DialogTemplate* FindDialogTemplate(int id);
// Empty when no such string exists.
std::u16string LoadString(int id);
// A null icon when no such icon exists. Call on the UI thread.
QIcon LoadIcon(int id);

}  // namespace ui
