// play_window PLAYER FILE [captioned [dialog]]: a window with nothing but a
// Play and a Stop button. Play starts PLAYER on FILE with CreateProcessW as
// Sonvella does, Stop ends it. The comparison for Sonvella's Play: play_timer
// clicks both the same way, so the click's way from one process to the other is
// in both figures and the difference is what each does before the start.
// "captioned" adds the one call Sonvella must make before the start: Play
// sets the window's caption to the file's, Stop sets it back. "dialog"
// shows the file-open dialog once after start-up, as Sonvella has to before
// it has a file to play.
#include "StartedProcess.h"
#include "TopLevelWindow.h"
#include "platform/win32/OpenFileDialog.h"

#include <windows.h>

#include <objbase.h>

#include <cstdint>
#include <optional>
#include <string>

namespace {

constexpr int PlayId = 1;
constexpr int StopId = 2;
constexpr UINT ShowDialog = WM_APP;

std::wstring Player;
std::wstring File;
bool Captioned = false;
bool Dialog = false;
std::optional<StartedProcess> Started;

// Like Sonvella, sets the idle caption only when it is not already shown.
void Stop(HWND window) {
  if (!Started)
    return;
  TerminateProcess(Started->process.get(), 0);
  Started.reset();
  if (Captioned)
    SetWindowTextW(window, L"Play window");
}

void Play(HWND window) {
  Stop(window);
  if (Captioned)
    SetWindowTextW(window, (L"Playing " + File + L" - Play window").c_str());
  const std::wstring folder = Player.substr(0, Player.find_last_of(L'\\') + 1);
  Started = StartProcess(
      Player,
      L"\"" + Player + L"\" -wid " +
          std::to_wstring(reinterpret_cast<std::uintptr_t>(window)) +
          L" -slave -quiet -identify -priority abovenormal \"" + File + L"\"",
      {.inheritHandles = true,
       .creationFlags = DETACHED_PROCESS,
       .startupFlags = STARTF_USESTDHANDLES,
       .currentDirectory = folder.c_str()});
}

void AddButton(HWND parent, const wchar_t *caption, int id, int left) {
  CreateWindowExW(0, L"Button", caption, WS_CHILD | WS_VISIBLE, left, 8, 75, 25,
                  parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                  nullptr, nullptr);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam) {
  switch (message) {
  case WM_CREATE:
    AddButton(window, L"Play", PlayId, 8);
    AddButton(window, L"Stop", StopId, 90);
    if (Dialog)
      PostMessageW(window, ShowDialog, 0, 0);
    return 0;
  case ShowDialog:
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    sonvella::win32::ShowOpenFileDialog(window,
                                        {.defaultExtension = L"ac3",
                                         .filterLabel = L"AC3 File (*.ac3)",
                                         .filterPattern = L"*.ac3",
                                         .multiSelect = true,
                                         .requireExisting = false});
    return 0;
  case WM_COMMAND:
    if (LOWORD(wParam) == PlayId)
      Play(window);
    else if (LOWORD(wParam) == StopId)
      Stop(window);
    return 0;
  case WM_DESTROY:
    Stop(window);
    PostQuitMessage(0);
    return 0;
  default:
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  if (__argc < 3 || __argc > 5)
    return 2;
  Player = __wargv[1];
  File = __wargv[2];
  Captioned = __argc >= 4 && std::wstring(__wargv[3]) == L"captioned";
  Dialog = __argc == 5 && std::wstring(__wargv[4]) == L"dialog";
  return RunTopLevelWindow(instance, L"PlayWindow", L"Play window", WindowProc,
                           showCommand);
}
