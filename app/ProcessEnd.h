#pragma once
// Ends the process at once with `code`, once the main dialog has ended: worker
// threads may still be inside the management objects, so no static destructor
// may run under them. Output is flushed first.
[[noreturn]] void EndProcess(int code);
