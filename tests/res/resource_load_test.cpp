// Loads every resource of the program by its number, the way the game does, from this test's
// own module (it links the same compiled resource script as the game).
#include "res/resource_ids.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

HMODULE Self() {
    return GetModuleHandleW(nullptr);
}

// The raw bytes of a resource, or empty when it is missing.
std::string ResourceBytes(int id, const wchar_t* type) {
    HRSRC found = FindResourceW(Self(), MAKEINTRESOURCEW(id), type);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(Self(), found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return {};
    return std::string(static_cast<const char*>(data), SizeofResource(Self(), found));
}

std::uint32_t U16(const std::string& b, std::size_t at) {
    return static_cast<std::uint8_t>(b.at(at)) | static_cast<std::uint8_t>(b.at(at + 1)) << 8;
}
std::uint32_t U32(const std::string& b, std::size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

TEST(Resources, BitmapsLoadAs24BitPicturesOfTheirSizes) {
    struct Case {
        int id, width, height;
    };
    const Case cases[] = {{kBitmapTileSheet, 567, 27},
                          {kBitmapTitleLogo, 200, 50},
                          {kBitmapAboutLogo, 163, 50},
                          {kBitmapHelp, 183, 172}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        HANDLE image =
            LoadImageW(Self(), MAKEINTRESOURCEW(c.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
        ASSERT_NE(image, nullptr);
        DIBSECTION dib{};
        ASSERT_EQ(GetObjectW(image, sizeof dib, &dib), static_cast<int>(sizeof dib));
        EXPECT_EQ(dib.dsBm.bmWidth, c.width);
        EXPECT_EQ(dib.dsBm.bmHeight, c.height);
        EXPECT_EQ(dib.dsBm.bmBitsPixel, 24);
        DeleteObject(image);
    }
}

bool IsYellow(COLORREF c) {
    return GetRValue(c) > 150 && GetGValue(c) > 110 && GetBValue(c) < 100;
}

// The top border piece as Windows shows it: trim along its lower edge only. Catches a sheet
// stored upside down.
TEST(Resources, TileSheetIsTheRightWayUp) {
    HANDLE sheet = LoadImageW(Self(), MAKEINTRESOURCEW(kBitmapTileSheet), IMAGE_BITMAP, 0, 0,
                              LR_CREATEDIBSECTION);
    ASSERT_NE(sheet, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, sheet);
    const int topBorder = 6;
    int yellowAbove = 0;
    int yellowBelow = 0;
    for (int y = 0; y < 27; ++y) {
        for (int x = 0; x < 27; ++x) {
            bool yellow = IsYellow(GetPixel(dc, topBorder * 27 + x, y));
            (y < 13 ? yellowAbove : yellowBelow) += yellow ? 1 : 0;
        }
    }
    EXPECT_EQ(GetPixel(dc, 13, 13), RGB(0, 0, 0)) << "the floor tile";
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(sheet);
    EXPECT_EQ(yellowAbove, 0);
    EXPECT_GT(yellowBelow, 30);
}

TEST(Resources, SoundsAreWaveResourcesInRiffForm) {
    struct Case {
        int id, channels, rate;
    };
    const Case cases[] = {{kSoundKey, 1, 44100}, {kSoundDoor, 2, 48000}, {kSoundCaught, 2, 48000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        std::string wave = ResourceBytes(c.id, kSoundResourceType);
        ASSERT_GE(wave.size(), 44u);
        EXPECT_EQ(wave.substr(0, 4), "RIFF");
        EXPECT_EQ(U32(wave, 4) + 8, wave.size());
        EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(U16(wave, 22), static_cast<std::uint32_t>(c.channels));
        EXPECT_EQ(U32(wave, 24), static_cast<std::uint32_t>(c.rate));
    }
}

TEST(Resources, IconGroupHoldsThreeSizesAndEachLoads) {
    // GRPICONDIR: reserved, type, count, then 14-byte entries (width, height, colours,
    // reserved, planes, bits, size, id).
    std::string group = ResourceBytes(kIconMain, MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u);
    ASSERT_EQ(U16(group, 4), 3u);
    std::vector<int> sizes;
    for (std::size_t i = 0; i < 3; ++i) {
        sizes.push_back(static_cast<std::uint8_t>(group.at(6 + 14 * i)));
        EXPECT_EQ(U16(group, 6 + 14 * i + 6), 32u) << "bits per pixel";
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48}));

    EXPECT_NE(LoadIconW(Self(), MAKEINTRESOURCEW(kIconMain)), nullptr);
    for (int size : sizes) {
        SCOPED_TRACE(size);
        auto icon = static_cast<HICON>(
            LoadImageW(Self(), MAKEINTRESOURCEW(kIconMain), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        EXPECT_EQ(colour.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST(Resources, VersionIs1100WithProductNameVorbin) {
    wchar_t path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    DWORD unused = 0;
    DWORD size = GetFileVersionInfoSizeW(path, &unused);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(1, 1)); // 1.1
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);             // .0.0
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(1, 1));

    wchar_t* name = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\041004B0\\ProductName",
                               reinterpret_cast<void**>(&name), &length));
    EXPECT_STREQ(name, L"Vorbin");
}

} // namespace
