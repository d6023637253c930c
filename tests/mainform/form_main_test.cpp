// The main form in a real window, from start-up to the end of a game and leaving.
#include "mainform/form_main.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "leaderboard/leaderboard_file.h"
#include "tests/ui/core_fixture.h"
#include "tools/sim/autoplay.h"
#include "util/files.h"
#include "util/text.h"

namespace {

using MyGame::FormMain;
using OrvoUtility::GUIElement;

// Dispatches every queued message; answers whether a WM_QUIT was among them.
// Runs the message loop until `done` answers true or `timeoutMs` has passed.
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        OrvoTest::PumpMessages();
    }
    return true;
}

void pumpFor(DWORD ms) {
    pumpUntil([] { return false; }, ms);
}

// --- Answering the exit question from a thread timer while MessageBoxA waits -------------
struct QuestionBox {
    int button = IDNO; // pressed when the box shows
    int seen = 0;
    std::wstring caption;
    std::wstring text;
};
QuestionBox question;

BOOL CALLBACK pressInBox(HWND window, LPARAM) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770" || !IsWindowVisible(window))
        return TRUE;
    wchar_t buffer[64] = {};
    GetWindowTextW(window, buffer, 64);
    question.caption = buffer;
    GetDlgItemTextW(window, 0xFFFF, buffer, 64); // the message text's static
    question.text = buffer;
    ++question.seen;
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(question.button, BN_CLICKED), 0);
    return FALSE;
}

void CALLBACK answerQuestion(HWND, UINT, UINT_PTR timer, DWORD) {
    const int before = question.seen;
    EnumThreadWindows(GetCurrentThreadId(), &pressInBox, 0);
    if (question.seen != before)
        KillTimer(nullptr, timer);
}

// Runs `act`, answering the question it raises with `button`.
void answerWith(int button, const std::function<void()>& act) {
    question = QuestionBox{};
    question.button = button;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &answerQuestion);
    act();
    KillTimer(nullptr, timer);
}

// --- Fake devices: keys held, foreground window and one joystick ------------------------
class FakeDevices : public MyGame::InputDevices {
  public:
    HWND foreground = nullptr;
    int heldKey = 0;
    bool stickPlugged = false;
    UINT stickX = 32767; // centred on a 0..65535 range

    HWND ForegroundWindow() const override { return foreground; }
    SHORT KeyState(int key) const override {
        return key == heldKey ? static_cast<SHORT>(0x8000) : 0;
    }
    UINT JoyNumDevs() const override { return stickPlugged ? 1 : 0; }
    MMRESULT JoyGetPos(UINT id, JOYINFO* info) const override {
        if (!stickPlugged || id != 0)
            return JOYERR_PARMS;
        *info = JOYINFO{stickX, 32767, 32767, 0};
        return JOYERR_NOERROR;
    }
    MMRESULT JoyGetDevCaps(UINT, JOYCAPSW* caps, UINT) const override {
        *caps = JOYCAPSW{};
        caps->wXmax = caps->wYmax = caps->wZmax = 65535;
        return JOYERR_NOERROR;
    }
};

// The picture shown while no game runs, rows 1..13 of the interior.
const char* const kIdleRows[13] = {
    ".............", "..........###", "..........#..", "..........#..", "..W.......#..",
    "....W.....#..", "..W.....###..", "....W..P.....", "..W.....###..", "....W.....#..",
    "..W.......#..", "..........###", ".............",
};

TileCode idleCode(char c) {
    switch (c) {
    case '#':
        return Wall;
    case 'W':
        return WalkerRight;
    case 'P':
        return PlayerRight;
    default:
        return Floor;
    }
}

class FormMainTest : public ::testing::Test {
  protected:
    void SetUp() override {
        OrvoUtility::mainWindow = nullptr;
        OrvoUtility::playerName.clear();
        // A leaderboard of the test's own, so the player's real one is never touched.
        boardName = "VorbinTest" + std::to_string(GetCurrentProcessId());
        removeLeaderboard();
        form = std::make_unique<FormMain>(GetModuleHandleW(nullptr), "Vorbin prova", boardName);
        OrvoTest::PumpMessages();
    }
    void TearDown() override {
        // Replaced dialog forms go first, while the form they refer to is still whole.
        OrvoUtility::FreeReleaseList();
        form.reset();
        OrvoTest::PumpMessages();
        removeLeaderboard();
        OrvoUtility::mainWindow = nullptr;
    }

    std::string appFolder() const {
        return WithTrailingSeparator(LocalAppDataFolder()) + boardName;
    }
    std::string leaderboardPath() const {
        return WithTrailingSeparator(appFolder()) + "Score" + PathSeparator() + "Classifica.txt";
    }
    void removeLeaderboard() {
        RemoveFile(leaderboardPath());
        RemoveDirectoryA((WithTrailingSeparator(appFolder()) + "Score").c_str());
        RemoveDirectoryA(appFolder().c_str());
    }
    std::vector<std::string> leaderboardLines() {
        if (!FileExists(leaderboardPath()))
            return {};
        return LineFile(leaderboardPath()).ReadLines();
    }

    void click(GUIElement& button) { SendMessageW(button.handle, BM_CLICK, 0, 0); }
    void choose(const OrvoUtility::SubMenu& item) {
        SendMessageW(form->handle, WM_COMMAND, MAKEWPARAM(item.id, 0), 0);
    }
    UINT menuState(const OrvoUtility::SubMenu& item) {
        return GetMenuState(GetMenu(form->handle), static_cast<UINT>(item.id), MF_BYCOMMAND);
    }
    // The last life is lost on level `level` with `score` points.
    void loseLastLife(int score, int level) {
        form->game.score = score;
        form->game.level = level;
        form->game.lives = 1;
        form->game.resolveCaught();
    }
    // The element's pixels in [x0, x1) x [y0, y1), read through one device context.
    std::vector<COLORREF> pixels(GUIElement& element, int x0, int y0, int x1, int y1) {
        std::vector<COLORREF> read;
        HDC dc = GetDC(element.handle);
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                read.push_back(GetPixel(dc, x, y));
        ReleaseDC(element.handle, dc);
        return read;
    }
    COLORREF pixel(GUIElement& element, int x, int y) {
        return pixels(element, x, y, x + 1, y + 1).front();
    }
    void expectIdlePicture() {
        for (int row = 1; row <= 13; ++row) {
            for (int col = 1; col <= 13; ++col) {
                const int index = cellIndex(col, row);
                const TileCode expected = idleCode(kIdleRows[row - 1][col - 1]);
                EXPECT_EQ(form->game.board.tileAt(index), expected) << col << "," << row;
                EXPECT_EQ(form->boardViews->view(index).frameCol, expected) << col << "," << row;
            }
        }
    }

    std::string boardName;
    std::unique_ptr<FormMain> form;
};

TEST_F(FormMainTest, StartUpLayoutTextsAndIdlePicture) {
    RECT client{};
    GetClientRect(form->handle, &client);
    EXPECT_EQ(client.right, 640);
    EXPECT_EQ(client.bottom, 480);
    const LONG_PTR style = GetWindowLongPtrW(form->handle, GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0) << "not resizable";
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(form->GetTextNarrow(), "Vorbin prova");
    EXPECT_NE(SendMessageW(form->handle, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(MyGame::mainForm, form.get());

    struct Placed {
        GUIElement* element;
        int x, y, width, height;
        const char* text;
    };
    const Placed placed[] = {
        {form->playButton.get(), 512, 40, 100, 40, "GIOCA"},
        {form->infoButton.get(), 512, 90, 100, 40, "Info"},
        {form->closeButton.get(), 512, 140, 100, 40, "Chiudi"},
        {form->scoreCell.get(), 423, 190, 200, 28, "Punteggio: 00000"},
        {form->levelCell.get(), 423, 230, 200, 28, "Livello: 00"},
        {form->livesCell.get(), 423, 270, 200, 28, "Vite: 0"},
        {form->messageCell.get(), 233, 26, 275, 45, ""},
        {form->marqueeCell.get(), 0, 0, 640, 25, ""},
        {form->logoImage.get(), 28, 26, 200, 50, ""},
        {form->helpImage.get(), 433, 300, 183, 172, ""},
        {&form->boardViews->view(0), 20, 72, 27, 27, ""},
        {&form->boardViews->view(224), 398, 450, 27, 27, ""},
    };
    for (const Placed& p : placed) {
        ASSERT_NE(p.element, nullptr);
        const POINT at = p.element->GetLocation();
        const SIZE size = p.element->GetSize();
        EXPECT_EQ(at.x, p.x) << p.text;
        EXPECT_EQ(at.y, p.y) << p.text;
        EXPECT_EQ(size.cx, p.width) << p.text;
        EXPECT_EQ(size.cy, p.height) << p.text;
        EXPECT_EQ(p.element->GetTextNarrow(), p.text);
    }

    HMENU bar = GetMenu(form->handle);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    const char* const menus[] = {"&File", "&Opzioni", "&?"};
    for (int i = 0; i < 3; ++i) {
        wchar_t caption[32] = {};
        GetMenuStringW(bar, static_cast<UINT>(i), caption, 32, MF_BYPOSITION);
        EXPECT_EQ(ToNarrow(caption), menus[i]);
    }
    const struct {
        OrvoUtility::SubMenu* item;
        const char* text;
    } items[] = {{form->exitItem.get(), "&Esci"},
                 {form->joystickItem.get(), "&Abilita Joystick"},
                 {form->infiniteLivesItem.get(), "&Vite infinite"},
                 {form->guideItem.get(), "&Guida"},
                 {form->homeItem.get(), "&Home"}};
    for (const auto& i : items) {
        wchar_t caption[32] = {};
        GetMenuStringW(bar, static_cast<UINT>(i.item->id), caption, 32, MF_BYCOMMAND);
        EXPECT_EQ(ToNarrow(caption), i.text);
        EXPECT_EQ(menuState(*i.item), static_cast<UINT>(MF_ENABLED)) << i.text; // no tick
    }

    // The field: the idle picture inside the border ring.
    expectIdlePicture();
    for (int index = 0; index < CellCount; ++index) {
        if (!isInteriorCell(index)) {
            EXPECT_EQ(form->boardViews->view(index).frameCol, initialTile(index)) << index;
        }
        EXPECT_EQ(form->boardViews->view(index).tag, isInteriorCell(index) ? "1" : "");
    }
    // The views draw the tile sheet: a wall tile is not all black.
    pumpFor(50);
    const std::vector<COLORREF> wall =
        pixels(form->boardViews->view(cellIndex(11, 2)), 0, 0, 27, 27);
    EXPECT_NE(std::count(wall.begin(), wall.end(), RGB(0, 0, 0)), 27 * 27);
}

TEST_F(FormMainTest, PlayButtonStartsAndAbandonsAGameAndStaysRed) {
    pumpFor(50);
    // Inside the one-pixel frame, away from the caption.
    EXPECT_EQ(pixel(*form->playButton, 4, 4), RGB(255, 0, 0));
    EXPECT_EQ(pixel(*form->infoButton, 4, 4), RGB(220, 220, 220));
    EXPECT_EQ(pixel(*form->closeButton, 4, 4), RGB(220, 220, 220));

    click(*form->playButton);
    EXPECT_TRUE(form->game.running);
    EXPECT_EQ(form->playButton->GetTextNarrow(), "ABBANDONA");
    EXPECT_EQ(form->levelCell->GetTextNarrow(), "Livello: 01");
    EXPECT_EQ(form->livesCell->GetTextNarrow(), "Vite: 3");
    EXPECT_EQ(form->scoreCell->GetTextNarrow(), "Punteggio: 00000");
    EXPECT_NE(menuState(*form->infiniteLivesItem) & MF_GRAYED, 0u);
    EXPECT_EQ(GetFocus(), form->handle) << "the arrow keys must reach the form";
    // Level 1 is on the field, and every view shows its cell's code.
    int differences = 0;
    for (int index = 0; index < CellCount; ++index) {
        EXPECT_EQ(form->boardViews->view(index).frameCol, form->game.board.tileAt(index));
        const int row = cellRow(index), col = cellCol(index);
        if (isInteriorCell(index) &&
            form->game.board.tileAt(index) != idleCode(kIdleRows[row - 1][col - 1]))
            ++differences;
    }
    EXPECT_GT(differences, 0);
    pumpFor(50);
    EXPECT_EQ(pixel(*form->playButton, 4, 4), RGB(255, 0, 0));
    // Somewhere in the caption "ABBANDONA" there is white text.
    const std::vector<COLORREF> caption = pixels(*form->playButton, 10, 10, 90, 30);
    EXPECT_NE(std::count(caption.begin(), caption.end(), RGB(255, 255, 255)), 0);

    click(*form->playButton);
    EXPECT_FALSE(form->game.running);
    EXPECT_EQ(form->playButton->GetTextNarrow(), "GIOCA");
    EXPECT_EQ(menuState(*form->infiniteLivesItem) & MF_GRAYED, 0u);
    expectIdlePicture();
}

TEST_F(FormMainTest, OptionsToggleAndInfiniteLivesGiveNineHundredNinetyNine) {
    struct Option {
        OrvoUtility::SubMenu* item;
        bool* value;
    };
    const Option options[] = {{form->joystickItem.get(), &form->game.joystickEnabled},
                              {form->infiniteLivesItem.get(), &form->game.infiniteLives}};
    for (const Option& o : options) {
        choose(*o.item);
        EXPECT_TRUE(*o.value);
        EXPECT_EQ(menuState(*o.item), static_cast<UINT>(MF_CHECKED));
        choose(*o.item);
        EXPECT_FALSE(*o.value);
        EXPECT_EQ(menuState(*o.item), static_cast<UINT>(MF_UNCHECKED));
    }
    // The two web pages cannot open here (no browser); nothing else happens.
    choose(*form->guideItem);
    choose(*form->homeItem);
    EXPECT_TRUE(IsWindow(form->handle));
    EXPECT_EQ(MyGame::helpPageAddress(), "http://www.orvo.example/Vorbin.asp");

    choose(*form->infiniteLivesItem);
    click(*form->playButton);
    EXPECT_EQ(form->game.lives, 999);
    EXPECT_EQ(form->livesCell->GetTextNarrow(), "Vite: 999");
    // The joystick may be switched during a game.
    choose(*form->joystickItem);
    EXPECT_TRUE(form->game.joystickEnabled);
}

TEST_F(FormMainTest, EveryWayOutAsksAndNoKeepsTheGameGoing) {
    click(*form->playButton);
    const struct {
        const char* way;
        std::function<void()> act;
    } ways[] = {
        {"Chiudi", [&] { click(*form->closeButton); }},
        {"&Esci", [&] { choose(*form->exitItem); }},
        {"close box", [&] { SendMessageW(form->handle, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& w : ways) {
        answerWith(IDNO, w.act);
        EXPECT_EQ(question.seen, 1) << w.way;
        EXPECT_EQ(question.caption, L"Uscita") << w.way;
        EXPECT_EQ(question.text, L"Vuoi realmente uscire?") << w.way;
        EXPECT_TRUE(IsWindow(form->handle)) << w.way;
        EXPECT_TRUE(form->created) << w.way << ": the window is still there";
        EXPECT_TRUE(form->game.running) << w.way;
        EXPECT_TRUE(form->gameTimer->ticking) << w.way;
    }
    EXPECT_FALSE(OrvoTest::PumpMessages()) << "no quit after No";

    answerWith(IDYES, [&] { choose(*form->exitItem); });
    EXPECT_EQ(question.seen, 1);
    EXPECT_FALSE(IsWindow(form->handle));
    EXPECT_FALSE(form->created);
    EXPECT_FALSE(form->gameTimer->ticking);
    EXPECT_TRUE(OrvoTest::PumpMessages()) << "the message loop ends";
}

TEST_F(FormMainTest, LostGameOpensTheNameFormAndRecordsTheName) {
    click(*form->playButton);
    loseLastLife(1500, 4);
    EXPECT_FALSE(form->game.running);
    EXPECT_EQ(form->messageCell->GetTextNarrow(), "Fine gioco!");
    EXPECT_EQ(form->playButton->GetTextNarrow(), "GIOCA");
    EXPECT_EQ(menuState(*form->infiniteLivesItem) & MF_GRAYED, 0u);

    OrvoUtility::FormNamePlayer* names = form->nameForm.get();
    ASSERT_NE(names, nullptr);
    ASSERT_TRUE(IsWindow(names->handle));
    EXPECT_TRUE(IsWindowVisible(names->handle));
    EXPECT_EQ(names->GetTextNarrow(), "Classifica");
    EXPECT_EQ(names->promptLabel->GetTextNarrow(), "Inserisci il tuo nome:");
    EXPECT_NE(SendMessageW(names->handle, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_FALSE(IsWindowEnabled(form->handle));
    RECT main{}, dialog{};
    GetWindowRect(form->handle, &main);
    GetWindowRect(names->handle, &dialog);
    EXPECT_EQ(dialog.left,
              main.left + ((main.right - main.left) - (dialog.right - dialog.left)) / 2);
    EXPECT_EQ(dialog.top, main.top + ((main.bottom - main.top) - (dialog.bottom - dialog.top)) / 2);

    names->nameBox->SetText("MARIO");
    click(*names->okButton);
    OrvoTest::PumpMessages();
    EXPECT_FALSE(IsWindow(names->handle));
    EXPECT_TRUE(IsWindowEnabled(form->handle));
    const std::vector<std::string> expected = {"00001500 MARIO" + std::string(7, ' ') +
                                               " Livello 4"};
    EXPECT_EQ(leaderboardLines(), expected);
    EXPECT_EQ(form->game.rankingLines, expected) << "the marquee shows the new list";
}

TEST_F(FormMainTest, RecordedNamesNeverSplitOrCutTheLeaderboardLine) {
    // Typed characters whose low 8 bits are LF, NUL and CR (capitals or caseless, so the
    // box's upper-casing leaves them alone).
    click(*form->playButton);
    loseLastLife(2000, 2);
    ASSERT_NE(form->nameForm, nullptr);
    SetWindowTextW(form->nameForm->nameBox->handle, L"A\x010A"
                                                    L"B\x0100"
                                                    L"C\x030D");
    click(*form->nameForm->okButton);
    OrvoTest::PumpMessages();

    // A game closed with the close box keeps the last name: empty on the first game.
    OrvoUtility::playerName.clear();
    click(*form->playButton);
    loseLastLife(1000, 10);
    ASSERT_NE(form->nameForm, nullptr);
    SendMessageW(form->nameForm->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    OrvoTest::PumpMessages();

    const std::vector<std::string> expected = {"00002000 A?B?C?" + std::string(6, ' ') +
                                                   " Livello 2",
                                               "00001000 " + std::string(12, ' ') + " Livello 10"};
    EXPECT_EQ(leaderboardLines(), expected);
}

TEST_F(FormMainTest, AllTenLevelsWonOnTheFormEndWithTheNameForm) {
    // The autoplayer plays on simulated time with the form as the game's display; the
    // form's own timer stays out of it.
    form->gameTimer->Stop();
    ManualClock clock;
    ASSERT_TRUE(clock.set(SystemClock().now()));
    HeldInput held;
    form->game.connect(clock, held, *form);
    click(*form->playButton);
    ASSERT_TRUE(autoplay(form->game, clock, held));

    EXPECT_EQ(form->messageCell->GetTextNarrow(), "Bravo. Gioco completato!");
    EXPECT_EQ(form->levelCell->GetTextNarrow(), "Livello: 10");
    EXPECT_EQ(form->scoreCell->GetTextNarrow(), "Punteggio: 35000");
    EXPECT_EQ(form->playButton->GetTextNarrow(), "GIOCA");
    for (int index = 0; index < CellCount; ++index)
        ASSERT_EQ(form->boardViews->view(index).frameCol, form->game.board.tileAt(index));

    ASSERT_NE(form->nameForm, nullptr);
    form->nameForm->nameBox->SetText("VINCE");
    click(*form->nameForm->okButton);
    OrvoTest::PumpMessages();
    const std::vector<std::string> expected = {"00035000 VINCE" + std::string(7, ' ') +
                                               " Livello 10"};
    EXPECT_EQ(leaderboardLines(), expected);
}

TEST_F(FormMainTest, GamesThatDoNotCountOpenNoNameForm) {
    const struct {
        int score;
        bool infiniteLives;
    } cases[] = {{0, false}, {1500, true}};
    for (const auto& c : cases) {
        if (c.infiniteLives)
            choose(*form->infiniteLivesItem);
        click(*form->playButton);
        loseLastLife(c.score, 3);
        EXPECT_EQ(form->messageCell->GetTextNarrow(), "Fine gioco!");
        EXPECT_EQ(form->nameForm, nullptr) << c.score;
        EXPECT_TRUE(IsWindowEnabled(form->handle));
    }
    EXPECT_TRUE(leaderboardLines().empty());
}

TEST_F(FormMainTest, InfoOpensAFreshAboutFormEachTime) {
    click(*form->infoButton);
    OrvoUtility::FormAbout* first = form->aboutForm.get();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(IsWindowVisible(first->handle));
    EXPECT_FALSE(IsWindowEnabled(form->handle));
    EXPECT_EQ(first->imageId, 1006);
    EXPECT_EQ(first->titleText, "Vorbin 1.1.0.0");
    EXPECT_EQ(first->creditsText, MyGame::kCreditsLine);
    EXPECT_EQ(first->siteAddress, "http://www.orvo.example");
    // Three lines, CR LF between them and no other line breaks.
    const std::string notice = ReplaceAll(first->noticeText, "\r\n", "|");
    EXPECT_EQ(notice.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(std::count(notice.begin(), notice.end(), '|'), 2);

    SendMessageW(first->handle, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(form->handle));
    click(*form->infoButton);
    EXPECT_NE(form->aboutForm.get(), first);
    EXPECT_TRUE(IsWindowVisible(form->aboutForm->handle));
}

TEST_F(FormMainTest, PollingSteersThePlayerOnlyFromTheFrontOrWithTheJoystick) {
    FakeDevices devices;
    form->input.devices = &devices;
    devices.heldKey = VK_RIGHT;
    devices.foreground = GetDesktopWindow(); // another window is in front
    click(*form->playButton);
    pumpFor(400);
    EXPECT_EQ(form->game.playerCol, 1);

    devices.foreground = form->handle;
    ASSERT_TRUE(pumpUntil([&] { return form->game.playerCol >= 3; }, 2000));
    const int cell = cellIndex(form->game.playerCol, form->game.playerRow);
    EXPECT_EQ(form->boardViews->view(cell).frameCol, PlayerRight);

    // From the back, a joystick pushed left steers once the option is on.
    devices.foreground = GetDesktopWindow();
    devices.stickPlugged = true;
    devices.stickX = 0;
    const int col = form->game.playerCol;
    pumpFor(300);
    EXPECT_EQ(form->game.playerCol, col) << "joystick option still off";
    choose(*form->joystickItem);
    ASSERT_TRUE(pumpUntil([&] { return form->game.playerCol < col; }, 2000));
}

TEST_F(FormMainTest, RealKeyboardStateMovesThePlayer) {
    ASSERT_EQ(form->input.devices, &MyGame::systemInputDevices());
    SetForegroundWindow(form->handle);
    if (GetForegroundWindow() != form->handle)
        GTEST_SKIP() << "the window could not be brought to the front";
    click(*form->playButton);
    BYTE keys[256] = {};
    keys[VK_RIGHT] = 0x80;
    ASSERT_TRUE(SetKeyboardState(keys));
    const bool moved = pumpUntil([&] { return form->game.playerCol >= 2; }, 2000);
    keys[VK_RIGHT] = 0;
    SetKeyboardState(keys);
    EXPECT_TRUE(moved);
}

} // namespace
