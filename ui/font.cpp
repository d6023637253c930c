// Font: the GDI font is made on the first GetHandle and released with the record.
#include "ui/font.h"

#include "util/text.h"

namespace OrvoUtility {

Font::Font() : face(L"System") {}

Font::Font(const std::string& faceName, int fontHeight)
    : face(ToWide(faceName)), height(fontHeight) {}

Font::~Font() {
    if (fontHandle != nullptr) {
        DeleteObject(fontHandle);
    }
}

HFONT Font::GetHandle() {
    if (fontHandle == nullptr) {
        fontHandle = CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic ? TRUE : FALSE,
                                 underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                 fixedPitch ? FIXED_PITCH : 0, face.c_str());
    }
    return fontHandle;
}

} // namespace OrvoUtility
