#pragma once
// Renders the main dialog, after its initialisation, to a PNG file. Message
// boxes raised on the way are answered with their first button and written
// to the error stream. Returns the process's exit code.
#include <QString>

int RenderScreenshot(const QString& file);
