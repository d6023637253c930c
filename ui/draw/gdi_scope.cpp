// Scoped GDI owners and the live count of the objects they hold.
#include "ui/draw/gdi_scope.h"

namespace OrvoUtility {

namespace {
// Everything runs on the one UI thread, so a plain counter is enough.
int liveObjects = 0;
} // namespace

int LiveGdiObjects() {
    return liveObjects;
}

namespace gdi_count {
void Made() {
    ++liveObjects;
}
void Released() {
    --liveObjects;
}
} // namespace gdi_count

MemoryContext::MemoryContext(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {
    if (dc_ != nullptr)
        gdi_count::Made();
}

MemoryContext::~MemoryContext() {
    if (dc_ != nullptr) {
        DeleteDC(dc_);
        gdi_count::Released();
    }
}

SelectScope::SelectScope(HDC dc, HGDIOBJ object)
    : dc_(dc), previous_(dc != nullptr && object != nullptr ? SelectObject(dc, object) : nullptr) {}

SelectScope::~SelectScope() {
    // A failed selection returns null (or HGDI_ERROR for regions): nothing to put back.
    if (previous_ != nullptr && previous_ != HGDI_ERROR)
        SelectObject(dc_, previous_);
}

WindowContext::WindowContext(HWND window) : window_(window), dc_(GetDC(window)) {
    if (dc_ != nullptr)
        gdi_count::Made();
}

WindowContext::~WindowContext() {
    if (dc_ != nullptr) {
        ReleaseDC(window_, dc_);
        gdi_count::Released();
    }
}

} // namespace OrvoUtility
