#pragma once
// Registers the module's dialog templates, strings and icon with the dialog
// framework. Call once on the UI thread before the first dialog is built.
namespace res {

void Install();

}  // namespace res
