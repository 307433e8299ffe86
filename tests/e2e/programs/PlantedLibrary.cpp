// A DLL planted beside Sonvella.exe by the end-to-end tests, copied under
// the names of the DLLs the program loads. Loaded, it leaves a file named
// after itself with ".loaded" added. It exports what the program once
// imported from UxTheme.dll, so that a static import of it would resolve.
#include <windows.h>

#include <cwchar>

extern "C" __declspec(dllexport) BOOL WINAPI IsAppThemed() { return FALSE; }

extern "C" __declspec(dllexport) HRESULT WINAPI
    SetWindowTheme(HWND, LPCWSTR, LPCWSTR) {
  return S_OK;
}

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH)
    return TRUE;
  wchar_t marker[MAX_PATH + 8];
  const DWORD length = GetModuleFileNameW(self, marker, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return TRUE;
  std::wcscpy(marker + length, L".loaded");
  const HANDLE file =
      CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE)
    CloseHandle(file);
  return TRUE;
}
