// DLLs come from Windows' own folder only. The program is often started
// from a Downloads folder, where a web page can leave a file named like a
// system DLL; Windows would look there first for any DLL that is not one
// of its KnownDLLs. So the executable imports only KnownDLLs and loads the
// rest itself, after SearchSystemFolderOnly.
#pragma once

#include "platform/win32/Handles.h"

namespace sonvella::win32 {

// Makes System32 the only folder searched for DLLs loaded later, by the
// program or on its behalf (the file dialog's shell extensions, say). The
// program's first step, before anything can load a DLL.
void SearchSystemFolderOnly() noexcept;

// Loads `name` (such as L"uxtheme.dll") from System32 by its full path;
// null when it cannot be loaded.
ModuleOwner LoadSystemLibrary(const wchar_t *name) noexcept;

// The function `name` of `module` as the type `Function`; null when
// missing.
template <typename Function>
Function SystemFunction(HMODULE module, const char *name) noexcept {
  // Through void(*)(), the generic function type, so the compiler accepts
  // the cast to the function's real type.
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace sonvella::win32
