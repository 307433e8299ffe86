// The frame of the bench's window programs: registers the class, shows one
// top-level window of about Sonvella's size and runs the message loop until
// the window procedure posts the quit message.
#pragma once

#include <windows.h>

// The process's exit code: 0 after the loop, 1 when no window could be made.
int RunTopLevelWindow(HINSTANCE instance, const wchar_t *className,
                      const wchar_t *caption, WNDPROC windowProcedure,
                      int showCommand);
