#include "platform/win32/OpenFileDialog.h"

#include <shobjidl.h>
#include <wrl/client.h>

namespace sonvella::win32 {

namespace {

using Microsoft::WRL::ComPtr;

// A string the shell allocated, freed with the task allocator.
class ShellString {
public:
  ShellString() = default;
  ~ShellString() { CoTaskMemFree(text_); }
  ShellString(const ShellString &) = delete;
  ShellString &operator=(const ShellString &) = delete;

  PWSTR *Receive() { return &text_; }
  std::wstring Text() const { return text_ != nullptr ? text_ : L""; }

private:
  PWSTR text_ = nullptr;
};

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

// The item's file-system path, or its display name when it has none.
std::optional<std::wstring> ItemName(IShellItem &item) {
  ShellString name;
  if (SUCCEEDED(item.GetDisplayName(SIGDN_FILESYSPATH, name.Receive())))
    return name.Text();
  ShellString displayName;
  if (SUCCEEDED(
          item.GetDisplayName(SIGDN_NORMALDISPLAY, displayName.Receive())))
    return displayName.Text();
  return std::nullopt;
}

std::optional<std::vector<std::wstring>> ChosenNames(IFileOpenDialog &dialog) {
  ComPtr<IShellItemArray> items;
  DWORD count = 0;
  if (FAILED(dialog.GetResults(&items)) || FAILED(items->GetCount(&count)))
    return std::nullopt;
  std::vector<std::wstring> names;
  for (DWORD i = 0; i < count; ++i) {
    ComPtr<IShellItem> item;
    if (FAILED(items->GetItemAt(i, &item)))
      continue;
    if (auto name = ItemName(*item.Get()))
      names.push_back(std::move(*name));
  }
  return names;
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
