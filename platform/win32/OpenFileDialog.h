// The system's common file-open dialog (IFileOpenDialog).
#pragma once

#include "platform/Platform.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace sonvella::win32 {

// Shows the dialog modally, owned by `owner`. nullopt when the user
// cancelled or the dialog could not be shown; else each chosen item's
// file-system path, or its display name when it has none, in the dialog's
// order.
std::optional<std::vector<std::wstring>>
ShowOpenFileDialog(HWND owner, const OpenDialogOptions &options);

} // namespace sonvella::win32
