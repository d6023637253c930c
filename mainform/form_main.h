// FormMain: the game's main window, which shows and drives the window-free Game.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "game/clock.h"
#include "game/display.h"
#include "game/game.h"
#include "game/input.h"
#include "mainform/app_config.h"
#include "mainform/board_views.h"
#include "mainform/input_poll.h"
#include "ui/about_form.h"
#include "ui/button.h"
#include "ui/draw/cell_control.h"
#include "ui/draw/gdi_scope.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/menu.h"
#include "ui/name_form.h"
#include "ui/timer.h"

namespace MyGame {

class FormMain;

// The player's input as the game asks for it: keys while the form is in front, and the
// joystick when that option is on.
class FormInput : public InputSource {
  public:
    explicit FormInput(FormMain& owner) : form(owner) {}
    InputCode pollInput() override;

    const InputDevices* devices = &systemInputDevices(); // tests put fakes here

  private:
    FormMain& form;
};

// The one main window of the program. The constructor makes the window and everything in
// it; the game runs from the buttons, the menus and the timer. The form is the game's
// display: the game's texts, sounds and the start and end of each game come back here.
class FormMain : public OrvoUtility::Form, public GameDisplay {
  public:
    // The leaderboard's folder is named after leaderboardName (tests pass their own).
    FormMain(HINSTANCE instance, const std::string& caption,
             const std::string& leaderboardName = kAppName);
    ~FormMain() override;

    // --- Form operations --------------------------------------------------------------
    // Children are redrawn first: the form's background erase paints over them.
    void OnPaint() override;
    // White on red for the play button, black on light grey for every other control.
    HBRUSH OnControlColor(HDC dc) override;

    // --- The form's own operations ------------------------------------------------------
    // Builds every element; runs once, from onCreate, while the window is being made.
    virtual void buildElements();
    // The form's onClose: asks "Vuoi realmente uscire?"; Yes stops the timer and lets the
    // window go.
    virtual bool confirmExit();
    // The game timer's tick.
    virtual void tick();
    // One of the five menu items was chosen.
    virtual void onMenuCommand(OrvoUtility::GUIElement* item);
    // One of the three buttons was pressed.
    virtual void onButton(OrvoUtility::GUIElement* button);

    void showIdlePicture();
    // Adds the finished game to the leaderboard and reloads the marquee's lines; runs when
    // the name form goes away.
    void recordScore();

    // --- GameDisplay --------------------------------------------------------------------
    void showScoreBoxes(const std::string& score, const std::string& level,
                        const std::string& lives) override;
    void showMessage(const std::string& text) override;
    void showMarquee(const std::string& text) override;
    void playSound(int resourceId) override;
    void gameStarted() override;
    void gameAbandoned() override;
    void gameOver() override;

    // Declared in the order they are made; members go in reverse order after the
    // destructor's own steps.
    SystemClock clock;
    FormInput input;
    Game game; // the field, the game values and the rules
    std::string leaderboardName;

    OrvoUtility::Font formFont;    // Lucida Console 14: the form and the marquee
    OrvoUtility::Font messageFont; // Arial 22 bold: the message line
    OrvoUtility::Font statusFont;  // Arial 22: the score boxes
    OrvoUtility::OwnedBitmap tileSheet;
    OrvoUtility::OwnedBrush controlBrush; // the last one handed out by OnControlColor

    std::unique_ptr<OrvoUtility::MenuBar> menuBar;
    std::unique_ptr<OrvoUtility::Menu> fileMenu;
    std::unique_ptr<OrvoUtility::SubMenu> exitItem;
    std::unique_ptr<OrvoUtility::Menu> optionsMenu;
    std::unique_ptr<OrvoUtility::SubMenu> joystickItem;
    std::unique_ptr<OrvoUtility::SubMenu> infiniteLivesItem;
    std::unique_ptr<OrvoUtility::Menu> helpMenu;
    std::unique_ptr<OrvoUtility::SubMenu> guideItem;
    std::unique_ptr<OrvoUtility::SubMenu> homeItem;
    std::unique_ptr<OrvoUtility::Image> logoImage;
    std::unique_ptr<OrvoUtility::CellControl> messageCell;
    std::unique_ptr<OrvoUtility::CellControl> marqueeCell;
    std::unique_ptr<BoardViews> boardViews;
    std::unique_ptr<OrvoUtility::CellControl> scoreCell;
    std::unique_ptr<OrvoUtility::CellControl> levelCell;
    std::unique_ptr<OrvoUtility::CellControl> livesCell;
    std::unique_ptr<OrvoUtility::Image> helpImage;
    std::unique_ptr<OrvoUtility::Button> infoButton;
    std::unique_ptr<OrvoUtility::Button> closeButton;
    std::unique_ptr<OrvoUtility::Button> playButton;
    std::unique_ptr<OrvoUtility::Timer> gameTimer;

    // The last dialog forms opened; replaced ones wait on the framework's release list.
    std::unique_ptr<OrvoUtility::FormAbout> aboutForm;
    std::unique_ptr<OrvoUtility::FormNamePlayer> nameForm;

  private:
    void buildMenuBar();
    void buildButtons();
    // "GIOCA" on the play button and "&Vite infinite" enabled: no game runs.
    void showIdleControls();
    void openAboutForm();
    void openNameForm();
};

// The first FormMain made; menu commands fall back on it. Null when there is none.
extern FormMain* mainForm;

// Plays a WAVE resource of the program without waiting; a sound still playing is cut off,
// and one that cannot be played is skipped.
void playResourceSound(int resourceId);

} // namespace MyGame
