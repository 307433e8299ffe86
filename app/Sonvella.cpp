// The program: sets up the application, creates the player window from its
// description, runs the message loop, and shuts down in order when the
// window has asked the program to end.
#include "app/PlayerFormDescription.h"
#include "app/PlayerForms.h"
#include "platform/win32/Application.h"
#include "platform/win32/MainWindow.h"
#include "platform/win32/SystemLibraries.h"
#include "platform/win32/Win32Platform.h"

#include <windows.h>

// The parameters keep the names <windows.h> declares them with.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int nShowCmd) {
  sonvella::win32::SearchSystemFolderOnly();
  try {
    sonvella::win32::Application application;
    sonvella::win32::Win32Platform platform;
    sonvella::TPlayerForm form(platform);
    sonvella::PlayerForm = &form;
    bool created = false;
    {
      sonvella::win32::MainWindow window(
          hInstance, sonvella::PlayerFormDescription(), form, platform);
      // Without a window there is nothing to show a failure in.
      created = window.Create();
      if (created) {
        window.Show(nShowCmd);
        application.Run(window);
      }
      // Leaving the scope hides the window, runs its destruction handler
      // and destroys it.
    }
    sonvella::PlayerForm = nullptr;
    sonvella::AppDir.clear();
    return created ? 0 : 1;
  } catch (...) {
    // Memory ran out before the window ran its commands; there is nothing
    // to show a failure in.
    return 1;
  }
}
