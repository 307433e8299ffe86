#include "platform/win32/MainWindow.h"

#include "platform/win32/FormFont.h"
#include "platform/win32/PushButton.h"
#include "platform/win32/ScreenDensity.h"

#include <commctrl.h>
#include <windowsx.h>

namespace sonvella::win32 {

namespace {

constexpr wchar_t ClassName[] = L"TPlayerForm";
constexpr DWORD WindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// Control identifiers are the tab-order index plus this, clear of the
// dialog-box command identifiers.
constexpr int FirstControlId = 100;
// WM_GETDPISCALEDSIZE, sent by Windows 10 1703 and later; the headers
// declare it only for programs that need that version.
constexpr UINT GetDpiScaledSizeMessage = 0x02E4;

static_assert(KeyTab == VK_TAB && KeyEnter == VK_RETURN &&
              KeyEscape == VK_ESCAPE && KeyLeft == VK_LEFT && KeyUp == VK_UP &&
              KeyRight == VK_RIGHT && KeyDown == VK_DOWN);

IconOwner LoadMainIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
  return IconOwner(static_cast<HICON>(LoadImageW(
      instance, L"MAINICON", IMAGE_ICON, GetSystemMetrics(widthMetric),
      GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR)));
}

bool IsHeld(int virtualKey) { return GetKeyState(virtualKey) < 0; }

} // namespace

MainWindow::MainWindow(HINSTANCE instance, const FormDescription &form,
                       TPlayerForm &player, Win32Platform &platform)
    : form_(form), player_(player), platform_(platform), instance_(instance),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")),
      bigIcon_(LoadMainIcon(instance, SM_CXICON, SM_CYICON)),
      smallIcon_(LoadMainIcon(instance, SM_CXSMICON, SM_CYSMICON)) {}

bool MainWindow::Create() {
  popupMenu_ = PopupMenu::Create(form_.popupMenu);
  if (!popupMenu_)
    return false;

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance_;
  windowClass.hIcon = bigIcon_.get();
  windowClass.hIconSm = smallIcon_.get();
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = ClassName;
  if (RegisterClassExW(&windowClass) == 0)
    return false;

  // Made at the primary screen's centre, so that it has that screen's
  // density; sized and centred once the layout for that density is known.
  const PixelSize screen{GetSystemMetrics(SM_CXSCREEN),
                         GetSystemMetrics(SM_CYSCREEN)};
  window_.reset(CreateWindowExW(
      0, ClassName, form_.caption().c_str(), WindowStyle, screen.width / 2,
      screen.height / 2, 0, 0, nullptr, nullptr, instance_, this));
  if (!window_)
    return false;
  const int density = WindowDensity(window_.get());
  ScaledForm scaled = ScaleForm(form_, density);
  font_ = std::move(scaled.font);
  layout_ = std::move(scaled.layout);
  if (!font_ || !CreateControls()) {
    // Destroying the window takes the controls made so far with it.
    window_.reset();
    return false;
  }
  // The layout gives the client size; the frame comes on top of it.
  const PixelSize size = FrameSize(layout_.client, WindowStyle, density);
  const PixelPoint origin =
      CentredOrigin(size, screen,
                    {GetSystemMetrics(SM_XVIRTUALSCREEN),
                     GetSystemMetrics(SM_YVIRTUALSCREEN)});
  SetWindowPos(window_.get(), nullptr, origin.x, origin.y, size.width,
               size.height, SWP_NOZORDER | SWP_NOACTIVATE);
  FollowClientSize(ClientSize());
  platform_.Attach(window_.get(), &*list_);
  RunHandler(form_.onCreate);
  return true;
}

MainWindow::~MainWindow() {
  if (window_) {
    ShowWindow(window_.get(), SW_HIDE);
    RunHandler(form_.onDestroy);
    window_.reset();
    platform_.Attach(nullptr, nullptr);
  }
  UnregisterClassW(ClassName, instance_);
}

void MainWindow::Show(int startupShowCommand) {
  int command = SW_SHOWNORMAL;
  if (startupShowCommand == SW_SHOWMAXIMIZED ||
      startupShowCommand == SW_SHOWMINNOACTIVE)
    command = startupShowCommand;
  ShowWindow(window_.get(), command);
  UpdateWindow(window_.get());
}

bool MainWindow::PreTranslateKey(const MSG &message) {
  if (message.message != WM_KEYDOWN)
    return false;
  const int focus = ControlIndex(message.hwnd);
  if (focus < 0 && message.hwnd != window_.get())
    return false;
  const KeyPress key{static_cast<unsigned>(message.wParam), IsHeld(VK_CONTROL),
                     IsHeld(VK_SHIFT), IsHeld(VK_MENU)};
  const KeyAction action = RouteKey(key, FocusKind(focus), form_.popupMenu);
  switch (action.kind) {
  case KeyAction::PassOn:
    return false;
  case KeyAction::Swallow:
    break;
  case KeyAction::RunMenuEntry:
    RunHandler(popupMenu_->Entry(action.menuEntry).onClick);
    break;
  case KeyAction::FocusNext:
  case KeyAction::FocusPrevious:
    MoveFocus(focus, action.kind == KeyAction::FocusNext);
    break;
  case KeyAction::ClickButton:
    RunHandler(form_.controls[static_cast<std::size_t>(focus)].onClick);
    break;
  }
  return true;
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message,
                                        WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto *self =
      reinterpret_cast<MainWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // Until CreateWindowExW has returned, the window is not yet ours to run.
  if (self == nullptr || self->window_.get() != window)
    return DefWindowProcW(window, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam,
                                  LPARAM lParam) noexcept {
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    RunHandler(form_.onSettingsChange);
    return 0;
  }
  switch (message) {
  case WM_COMMAND:
    OnCommand(wParam, lParam);
    return 0;
  case WM_NOTIFY:
    return OnNotify(*reinterpret_cast<const NMHDR *>(lParam));
  case WM_CONTEXTMENU: {
    const HWND clicked = reinterpret_cast<HWND>(wParam);
    const HWND list = list_->Handle();
    if (clicked != list && !IsChild(list, clicked))
      break;
    OnContextMenu(lParam);
    return 0;
  }
  case WM_MENUCHAR:
    if (reinterpret_cast<HMENU>(lParam) != popupMenu_->Handle())
      break;
    return popupMenu_->MenuChar(static_cast<wchar_t>(LOWORD(wParam)));
  case GetDpiScaledSizeMessage:
    return OnGetDpiScaledSize(LOWORD(wParam), *reinterpret_cast<SIZE *>(lParam))
               ? TRUE
               : FALSE;
  case WM_DPICHANGED:
    // Under Wine GetDpiForWindow does not follow the change; the message
    // says the new density, as Microsoft's samples read it.
    OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
    return 0;
  case WM_SIZE:
    if (wParam != SIZE_MINIMIZED)
      FollowClientSize({LOWORD(lParam), HIWORD(lParam)});
    return 0;
  case WM_ACTIVATE:
    OnActivate(wParam);
    return 0;
  case WM_SETFOCUS:
    RestoreFocus();
    return 0;
  case DM_GETDEFID:
    return 0; // there is no default push button
  case WM_SETTINGCHANGE:
    RunHandler(form_.onSettingsChange);
    return 0;
  case WM_CLOSE:
    // Ends the message loop; the window stays until the program shuts down.
    PostQuitMessage(0);
    return 0;
  case WM_ENDSESSION:
    // The session ends without the loop ending: stop what the window
    // started before the process is ended.
    if (wParam != FALSE)
      RunHandler(form_.onDestroy);
    return 0;
  default:
    break;
  }
  return DefWindowProcW(window_.get(), message, wParam, lParam);
}

bool MainWindow::CreateControls() {
  const HWND window = window_.get();
  for (std::size_t i = 0; i < form_.controls.size(); ++i) {
    const ControlDescription &control = form_.controls[i];
    const PixelRect &rect = layout_.controls[i];
    const int id = FirstControlId + static_cast<int>(i);
    HWND made = nullptr;
    if (control.kind == ControlKind::ReportList) {
      list_ = ReportList::Create(window, id, rect, font_.get(), form_.columns,
                                 layout_.columnWidths);
      made = list_ ? list_->Handle() : nullptr;
    } else {
      made = CreatePushButton(window, id, rect, font_.get(), control.caption);
    }
    if (made == nullptr)
      return false;
    controls_.push_back(made);
  }
  if (!list_)
    return false; // the description has no report list
  focus_ = controls_.front();
  return true;
}

PixelSize MainWindow::ClientSize() const {
  RECT client{};
  GetClientRect(window_.get(), &client);
  return {client.right, client.bottom};
}

void MainWindow::FollowClientSize(PixelSize client) {
  HDWP positions = BeginDeferWindowPos(static_cast<int>(controls_.size()));
  for (std::size_t i = 0; i < controls_.size() && positions != nullptr; ++i) {
    const PixelRect rect = AnchoredRect(
        layout_.controls[i], form_.controls[i].anchors, layout_.client, client);
    positions = DeferWindowPos(positions, controls_[i], nullptr, rect.left,
                               rect.top, rect.Width(), rect.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (positions != nullptr)
    EndDeferWindowPos(positions);
}

PixelSize MainWindow::RescaledClientSize(const ScaledLayout &to) const {
  return RescaledClient(ClientSize(), layout_, to);
}

bool MainWindow::OnGetDpiScaledSize(int density, SIZE &size) const {
  // A maximised or minimised window gets the size Windows gives it.
  if (!IsRestored(window_.get()))
    return false;
  const ScaledForm scaled = ScaleForm(form_, density);
  if (!scaled.font)
    return false;
  const PixelSize frame =
      FrameSize(RescaledClientSize(scaled.layout), WindowStyle, density);
  size = {frame.width, frame.height};
  return true;
}

void MainWindow::OnDpiChanged(int density, const RECT &suggested) {
  ScaledForm scaled = ScaleForm(form_, density);
  if (!scaled.font)
    return; // the old font still reads better than none
  const bool restored = IsRestored(window_.get());
  const PixelSize client = RescaledClientSize(scaled.layout);

  list_->HoldRedraw(true);
  for (const HWND control : controls_)
    SendMessageW(control, WM_SETFONT,
                 reinterpret_cast<WPARAM>(scaled.font.get()), FALSE);
  list_->SetColumnWidths(scaled.layout.columnWidths);
  // Every control has the new font now; the old one goes with `scaled`.
  std::swap(font_, scaled.font);
  layout_ = std::move(scaled.layout);

  const HWND window = window_.get();
  const PixelSize size{suggested.right - suggested.left,
                       suggested.bottom - suggested.top};
  SetWindowPos(window, nullptr, suggested.left, suggested.top, size.width,
               size.height, SWP_NOZORDER | SWP_NOACTIVATE);
  // The layout is made for the client area: should the frame drawn differ
  // from the one the size was worked out with (Wine keeps the system
  // density's), the client area still gets the layout's size.
  if (const PixelSize placed = ClientSize();
      restored &&
      (placed.width != client.width || placed.height != client.height))
    SetWindowPos(window, nullptr, 0, 0,
                 size.width + client.width - placed.width,
                 size.height + client.height - placed.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  FollowClientSize(ClientSize());
  list_->HoldRedraw(false);
  RedrawWindow(window, nullptr, nullptr,
               RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void MainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) != BN_CLICKED || lParam == 0)
    return;
  const int index = ControlIndex(reinterpret_cast<HWND>(lParam));
  if (index >= 0)
    RunHandler(form_.controls[static_cast<std::size_t>(index)].onClick);
}

LRESULT MainWindow::OnNotify(const NMHDR &notification) {
  if (notification.hwndFrom != list_->Handle())
    return 0;
  switch (notification.code) {
  case NM_DBLCLK:
    // In report view the list reports a double-click on empty space as well.
    RunHandler(form_.onListDoubleClick);
    return 0;
  case NM_HOVER:
    // Nonzero keeps the list from selecting the row and taking the focus.
    return list_->TakesHover() ? 0 : 1;
  default:
    return 0;
  }
}

void MainWindow::OnContextMenu(LPARAM position) {
  SetFocus(list_->Handle());
  // From the keyboard (context-menu key, Shift+F10) there is no point.
  const bool fromKeyboard =
      GET_X_LPARAM(position) == -1 && GET_Y_LPARAM(position) == -1;
  const POINT point =
      fromKeyboard ? list_->KeyboardMenuPoint()
                   : POINT{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  const int entry = popupMenu_->Choose(window_.get(), point);
  if (entry >= 0)
    RunHandler(popupMenu_->Entry(entry).onClick);
}

void MainWindow::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    if (const int index = ControlIndex(GetFocus()); index >= 0)
      focus_ = controls_[static_cast<std::size_t>(index)];
  } else if (HIWORD(wParam) == 0) {
    RestoreFocus();
  }
}

void MainWindow::RestoreFocus() {
  if (!IsIconic(window_.get()))
    SetFocus(focus_);
}

void MainWindow::MoveFocus(int current, bool forward) {
  const int next =
      NeighbourControl(current, static_cast<int>(controls_.size()), forward);
  SetFocus(controls_[static_cast<std::size_t>(next)]);
  // Moving with the keyboard shows where the focus is.
  SendMessageW(window_.get(), WM_CHANGEUISTATE,
               MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

FocusedControl MainWindow::FocusKind(int control) const {
  if (control < 0)
    return FocusedControl::None;
  return form_.controls[static_cast<std::size_t>(control)].kind ==
                 ControlKind::ReportList
             ? FocusedControl::List
             : FocusedControl::Button;
}

int MainWindow::ControlIndex(HWND control) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i] == control)
      return static_cast<int>(i);
  }
  return -1;
}

void MainWindow::RunHandler(TPlayerForm::Handler handler) {
  if (handler != nullptr)
    player_.Run(handler);
}

} // namespace sonvella::win32
