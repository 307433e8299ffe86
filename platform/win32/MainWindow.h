// The player window made from its description: a top-level window with the
// report list and the push buttons, the list's context menu, the layout
// that follows the window's size, the keyboard focus and the routing of
// every trigger to the form's handlers.
#pragma once

#include "app/PlayerFormDescription.h"
#include "platform/win32/Handles.h"
#include "platform/win32/KeyRouting.h"
#include "platform/win32/PopupMenu.h"
#include "platform/win32/ReportList.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/WindowLayout.h"

#include <optional>
#include <vector>

namespace sonvella::win32 {

class MainWindow {
public:
  MainWindow(HINSTANCE instance, const FormDescription &form,
             TPlayerForm &player, Win32Platform &platform);
  // Creates the window hidden, centred on the primary screen, with its
  // font for that screen's density, menu and controls; attaches it to the
  // platform and runs the creation handler. False when any of them could
  // not be made; nothing of the window is left then.
  bool Create();
  // Once created: hides the window, runs the destruction handler, then
  // destroys the window and its controls.
  ~MainWindow();
  MainWindow(const MainWindow &) = delete;
  MainWindow &operator=(const MainWindow &) = delete;

  // The first show: maximised or minimised when the program was started
  // so, else normal.
  void Show(int startupShowCommand);

  // Handles a key press meant for the window or one of its controls before
  // it is translated and dispatched; true when the key was used up.
  bool PreTranslateKey(const MSG &message);

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

  bool CreateControls();
  PixelSize ClientSize() const;
  void FollowClientSize(PixelSize client);
  // The client size for a new layout: see RescaledClient.
  PixelSize RescaledClientSize(const ScaledLayout &to) const;
  bool OnGetDpiScaledSize(int density, SIZE &size) const;
  void OnDpiChanged(int density, const RECT &suggested);
  void OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnNotify(const NMHDR &notification);
  void OnContextMenu(LPARAM position);
  void OnActivate(WPARAM wParam);
  void RestoreFocus();
  void MoveFocus(int current, bool forward);
  // Index of a control in tab order, or -1 when it is none of ours.
  int ControlIndex(HWND control) const;
  FocusedControl FocusKind(int control) const;
  void RunHandler(TPlayerForm::Handler handler);

  const FormDescription &form_;
  TPlayerForm &player_;
  Win32Platform &platform_;
  HINSTANCE instance_;
  const UINT taskbarCreated_;

  IconOwner bigIcon_;
  IconOwner smallIcon_;
  FontOwner font_;
  ScaledLayout layout_;
  std::optional<PopupMenu> popupMenu_;

  WindowOwner window_;
  std::optional<ReportList> list_;
  std::vector<HWND> controls_; // in tab order
  HWND focus_ = nullptr;       // the control that gets the focus back
};

} // namespace sonvella::win32
