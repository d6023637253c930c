// The program's fixed texts: its name, version, credits, freeware notice and web addresses.
#pragma once

#include <string>

namespace MyGame {

constexpr const char* kAppName = "Vorbin"; // also names the leaderboard's folder
constexpr const char* kVersion = "1.1.0.0";
// Follows the name in the window caption and stands under it in the About form.
constexpr const char* kCreditsLine = "- gioco libero e gratuito";
// Three lines for the About form (code page 1252: 0xE8 is e grave, 0xEC i grave).
constexpr const char* kFreewareNotice =
    "Vorbin \xE8 un programma gratuito (freeware).\r\n"
    "Puoi usarlo e distribuirlo liberamente, senza modificarlo.\r\n"
    "Il programma \xE8 fornito cos\xEC com'\xE8, senza alcuna garanzia.";
// The maker's site (a reserved .example domain, so no link leads to anyone's real site;
// short enough for the About form's 150-pixel link). The mail address derives from it.
constexpr const char* kHomePage = "http://www.orvo.example";

// The game's help page on the maker's site.
inline std::string helpPageAddress() {
    return std::string(kHomePage) + "/" + kAppName + ".asp";
}

} // namespace MyGame
