// Scoped owners for the GDI objects the framework makes, with a live count of them.
#pragma once

#include <windows.h>

namespace OrvoUtility {

// Number of GDI objects made through the helpers below and not yet released. The system's
// own count (GetGuiResources) is not available everywhere, so the drawing layer keeps one.
int LiveGdiObjects();

namespace gdi_count {
void Made();
void Released();
} // namespace gdi_count

// Owns one GDI object (pen, brush, bitmap, font) and deletes it at scope end.
template <typename Handle> class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) { Reset(handle); }
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Deletes the object held and takes the new one.
    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr) {
            DeleteObject(handle_);
            gdi_count::Released();
        }
        handle_ = handle;
        if (handle_ != nullptr)
            gdi_count::Made();
    }

    // Hands the object to a new owner that will delete it (for example a window class).
    Handle Release() {
        Handle h = handle_;
        if (h != nullptr)
            gdi_count::Released();
        handle_ = nullptr;
        return h;
    }

  private:
    Handle handle_ = nullptr;
};

using OwnedPen = GdiObject<HPEN>;
using OwnedBrush = GdiObject<HBRUSH>;
using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedFont = GdiObject<HFONT>;

// A memory device context compatible with another one, deleted at scope end.
class MemoryContext {
  public:
    explicit MemoryContext(HDC compatibleWith);
    ~MemoryContext();
    MemoryContext(const MemoryContext&) = delete;
    MemoryContext& operator=(const MemoryContext&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HDC dc_;
};

// Selects an object into a context and selects the previous one back at scope end.
class SelectScope {
  public:
    SelectScope(HDC dc, HGDIOBJ object);
    ~SelectScope();
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A window's device context from GetDC, released at scope end.
class WindowContext {
  public:
    explicit WindowContext(HWND window);
    ~WindowContext();
    WindowContext(const WindowContext&) = delete;
    WindowContext& operator=(const WindowContext&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
};

} // namespace OrvoUtility
