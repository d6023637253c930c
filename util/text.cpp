// Text helpers: 8-bit <-> UTF-16, number formats, padding, replacing.
#include "util/text.h"

#include <sstream>

std::wstring ToWide(std::string s) {
    std::wstring w;
    w.reserve(s.size());
    for (char c : s) {
        if (c == '\0')
            break;
        w.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    }
    return w;
}

std::string ToNarrow(std::wstring w) {
    std::string s;
    s.reserve(w.size());
    for (wchar_t c : w)
        s.push_back(static_cast<char>(static_cast<unsigned>(c) & 0xFFu));
    return s;
}

std::string FormatInt64(std::int64_t v) {
    // Digits made by hand: the C runtime's 64-bit printf formats differ between builds.
    // The magnitude is taken as unsigned so that the most negative value needs no special case.
    std::uint64_t magnitude =
        v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    return v < 0 ? "-" + digits : digits;
}

std::string FormatZeroPadded(int value, int width) {
    std::ostringstream out;
    out.fill('0');
    out.width(width > 0 ? width : 0);
    out << value;
    return out.str();
}

std::string PadRight(std::string s, char fill, unsigned width) {
    if (s.size() < width)
        s.append(width - s.size(), fill);
    return s;
}

std::string ReplaceAll(std::string text, const std::string& what, const std::string& with) {
    if (what.empty())
        return text;
    std::string::size_type pos = 0;
    while ((pos = text.find(what, pos)) != std::string::npos) {
        text.replace(pos, what.size(), with);
        pos += with.size();
    }
    return text;
}
