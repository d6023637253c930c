// The program entry: the main window and the message loop.
#include <windows.h>

#include <memory>
#include <string>

#include "mainform/app_config.h"
#include "mainform/form_main.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const std::string caption = std::string(MyGame::kAppName) + " " + MyGame::kCreditsLine;
    auto form = std::make_unique<MyGame::FormMain>(instance, caption);
    // Ends when the main window is destroyed; frees the replaced dialog forms on its way out,
    // while the main form they refer to still exists.
    OrvoUtility::RunMessageLoop(form.get());
    form.reset();
    return 0;
}
