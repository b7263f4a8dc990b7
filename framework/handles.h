// Owners for Win32 handles: one move-only type per handle kind, the close function as a
// template parameter, and scope types for the pairs that must be undone in order.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <utility>

namespace fw {

template <typename Handle, auto Close, Handle Invalid = Handle{}>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle h) : h_(h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : h_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return h_; }
  explicit operator bool() const { return h_ != Invalid; }
  Handle release() { return std::exchange(h_, Invalid); }
  void reset(Handle h = Invalid) {
    Handle old = std::exchange(h_, h);
    if (old != Invalid) Close(old);
  }
  // Releases the current handle before handing out the address to be filled.
  Handle* put() {
    reset();
    return &h_;
  }

 private:
  Handle h_ = Invalid;
};

using UniqueDc = UniqueHandle<HDC, DeleteDC>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteObject>;
using UniqueFont = UniqueHandle<HFONT, DeleteObject>;
using UniqueRegion = UniqueHandle<HRGN, DeleteObject>;
using UniqueKey = UniqueHandle<HKEY, RegCloseKey>;
using UniqueBstr = UniqueHandle<BSTR, SysFreeString>;

// GetDC / ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { BeginPaint(hwnd_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(hwnd_, &ps_); }
  HDC get() const { return ps_.hdc; }
  const PAINTSTRUCT& info() const { return ps_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
};

// SelectObject and the restore of what was selected before.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;
  ~SelectScope() {
    if (previous_) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A memory DC compatible with a reference DC, holding a compatible bitmap of its own; the
// bitmap is selected out again before both are deleted.
class BitmapDc {
 public:
  BitmapDc() = default;
  BitmapDc(const BitmapDc&) = delete;
  BitmapDc& operator=(const BitmapDc&) = delete;
  ~BitmapDc() { reset(); }

  // Replaces what it held; false (and empty) when the DC or the bitmap cannot be made.
  bool create(HDC reference, int width, int height) {
    reset();
    dc_.reset(CreateCompatibleDC(reference));
    bitmap_.reset(CreateCompatibleBitmap(reference, width, height));
    if (!dc_ || !bitmap_) {
      reset();
      return false;
    }
    previous_ = SelectObject(dc_.get(), bitmap_.get());
    return true;
  }
  void reset() {
    if (dc_ && previous_) SelectObject(dc_.get(), previous_);
    previous_ = nullptr;
    dc_.reset();
    bitmap_.reset();
  }
  HDC get() const { return dc_.get(); }
  explicit operator bool() const { return static_cast<bool>(dc_); }

 private:
  UniqueDc dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ previous_ = nullptr;
};

// A COM interface pointer that releases what it holds.
template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) reset(std::exchange(other.p_, nullptr));
    return *this;
  }
  ~ComPtr() { reset(); }

  Interface* get() const { return p_; }
  Interface* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  void reset(Interface* p = nullptr) {
    Interface* old = std::exchange(p_, p);
    if (old) old->Release();
  }
  Interface** put() {
    reset();
    return &p_;
  }

 private:
  Interface* p_ = nullptr;
};

// A VARIANT that is cleared when it goes out of scope.
class UniqueVariant {
 public:
  UniqueVariant() { VariantInit(&v_); }
  UniqueVariant(const UniqueVariant&) = delete;
  UniqueVariant& operator=(const UniqueVariant&) = delete;
  ~UniqueVariant() { VariantClear(&v_); }
  VARIANT* get() { return &v_; }
  const VARIANT& operator*() const { return v_; }

 private:
  VARIANT v_;
};

}  // namespace fw
