// Owners for the Windows objects the program creates: each releases its
// object exactly once, when the owner goes away.
#pragma once

#include <windows.h>

#include <objbase.h>

#include <memory>
#include <type_traits>

namespace sonvella::win32 {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct MenuDeleter {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct WindowDeleter {
  void operator()(HWND window) const { DestroyWindow(window); }
};
struct ModuleDeleter {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
struct FindDeleter {
  void operator()(HANDLE search) const { FindClose(search); }
};
struct TaskMemoryDeleter {
  void operator()(void *memory) const { CoTaskMemFree(memory); }
};

using FontOwner =
    std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using MenuOwner = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;
using IconOwner = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
using WindowOwner = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;
using ModuleOwner =
    std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter>;
// Holds only a valid search handle (never INVALID_HANDLE_VALUE).
using FindOwner = std::unique_ptr<void, FindDeleter>;
// Memory the shell hands over from the task allocator: an ID list, a name.
template <typename T>
using TaskMemoryOwner = std::unique_ptr<T, TaskMemoryDeleter>;

// A screen device context, released with the owner.
class ScreenDc {
public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_ != nullptr)
      ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc &) = delete;
  ScreenDc &operator=(const ScreenDc &) = delete;

  HDC get() const { return dc_; }

private:
  HDC dc_;
};

// Selects a GDI object into a device context and puts the previous one back.
class SelectedObject {
public:
  SelectedObject(HDC dc, HGDIOBJ object)
      : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject &) = delete;
  SelectedObject &operator=(const SelectedObject &) = delete;

private:
  HDC dc_;
  HGDIOBJ previous_;
};

} // namespace sonvella::win32
