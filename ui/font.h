// Font description with its GDI font, made on first use and kept until the record goes.
#pragma once

#include <windows.h>

#include <string>

namespace OrvoUtility {

// Owned by whoever made it (a form keeps its fonts); elements only point at it.
// Changing a field after the GDI font exists does not change that font.
class Font {
  public:
    Font(); // "System" at the default height
    Font(const std::string& faceName, int fontHeight);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // The GDI font, made on the first call; null when it could not be made (the next call
    // tries again).
    HFONT GetHandle();

    HFONT fontHandle = nullptr; // owned
    std::wstring face;
    int height = 0; // GDI height: > 0 cell height, < 0 character height, 0 default
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool fixedPitch = false;
};

} // namespace OrvoUtility
