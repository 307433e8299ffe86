// What the program sets up once before its window exists — the common
// controls and a single-threaded COM apartment for the file dialog — and
// the message loop that drives the window.
#pragma once

#include "platform/win32/Handles.h"
#include "platform/win32/MainWindow.h"

namespace sonvella::win32 {

class Application {
public:
  Application();
  ~Application();
  Application(const Application &) = delete;
  Application &operator=(const Application &) = delete;

  // Runs until the main window asks the program to end.
  void Run(MainWindow &window);

private:
  bool comInitialised_;
  // The common controls, for as long as the window may use them.
  ModuleOwner commonControls_;
};

} // namespace sonvella::win32
