#include "platform/win32/OpenFileDialog.h"

#include "platform/win32/ShellItemNames.h"

#include <shobjidl.h>
#include <wrl/client.h>

namespace sonvella::win32 {

namespace {

using Microsoft::WRL::ComPtr;

HRESULT Configure(IFileOpenDialog &dialog, const OpenDialogOptions &options) {
  const COMDLG_FILTERSPEC filter{options.filterLabel.c_str(),
                                 options.filterPattern.c_str()};
  HRESULT result = dialog.SetFileTypes(1, &filter);
  if (SUCCEEDED(result))
    result = dialog.SetFileTypeIndex(1);
  if (SUCCEEDED(result))
    result = dialog.SetDefaultExtension(options.defaultExtension.c_str());
  FILEOPENDIALOGOPTIONS flags = 0;
  if (SUCCEEDED(result))
    result = dialog.GetOptions(&flags);
  if (FAILED(result))
    return result;
  if (options.multiSelect)
    flags |= FOS_ALLOWMULTISELECT;
  if (!options.requireExisting)
    flags &= ~(FOS_FILEMUSTEXIST | FOS_PATHMUSTEXIST);
  return dialog.SetOptions(flags);
}

std::optional<std::vector<std::wstring>> ChosenNames(IFileOpenDialog &dialog) {
  ComPtr<IShellItemArray> items;
  if (FAILED(dialog.GetResults(&items)))
    return std::nullopt;
  return ShellItemNames(*items.Get());
}

} // namespace

std::optional<std::vector<std::wstring>>
ShowOpenFileDialog(HWND owner, const OpenDialogOptions &options) {
  ComPtr<IFileOpenDialog> dialog;
  if (FAILED(CoCreateInstance(__uuidof(FileOpenDialog), nullptr,
                              CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(dialog.GetAddressOf()))) ||
      FAILED(Configure(*dialog.Get(), options)) || FAILED(dialog->Show(owner)))
    return std::nullopt;
  return ChosenNames(*dialog.Get());
}

} // namespace sonvella::win32
