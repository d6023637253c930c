// Numbers of the program's resources, shared by the resource script and the C++ code.
#pragma once

// Plain macros, because the resource compiler only understands the preprocessor.
#define RES_ICON_MAIN 1005
#define RES_BITMAP_ABOUT_LOGO 1006
#define RES_BITMAP_TITLE_LOGO 1007
#define RES_SOUND_KEY 1008
#define RES_SOUND_DOOR 1009
#define RES_BITMAP_TILE_SHEET 1011
#define RES_BITMAP_HELP 1012
#define RES_SOUND_CAUGHT 1013

#ifdef __cplusplus
constexpr int kIconMain = RES_ICON_MAIN;                // 16, 32 and 48 pixels
constexpr int kBitmapAboutLogo = RES_BITMAP_ABOUT_LOGO; // 163 x 50
constexpr int kBitmapTitleLogo = RES_BITMAP_TITLE_LOGO; // 200 x 50
constexpr int kSoundKey = RES_SOUND_KEY;
constexpr int kSoundDoor = RES_SOUND_DOOR;
constexpr int kBitmapTileSheet = RES_BITMAP_TILE_SHEET; // 567 x 27: 21 tiles of 27 x 27
constexpr int kBitmapHelp = RES_BITMAP_HELP;            // 183 x 172
constexpr int kSoundCaught = RES_SOUND_CAUGHT;

// The sounds are stored under this resource type (PlaySoundW with SND_RESOURCE finds them).
constexpr const wchar_t* kSoundResourceType = L"WAVE";
#endif
