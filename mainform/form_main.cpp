// FormMain: construction, the elements and where they stand, painting and teardown.
#include "mainform/form_main.h"

#include "leaderboard/leaderboard_file.h"
#include "res/resource_ids.h"

namespace MyGame {

FormMain* mainForm = nullptr;

namespace {

constexpr int kClientWidth = 640;
constexpr int kClientHeight = 480;
constexpr COLORREF kFormColor = RGB(192, 192, 192);
constexpr COLORREF kControlColor = RGB(220, 220, 220);
constexpr COLORREF kPlayColor = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kTimerMs = 30;
constexpr int kLeftAligned = 0;

// Callbacks of the form and its timer: the element's own FormMain gets the call.
void forwardCreate(OrvoUtility::GUIElement* element, HWND) {
    if (auto* form = dynamic_cast<FormMain*>(element))
        form->buildElements();
}

bool forwardClose(OrvoUtility::GUIElement* element) {
    auto* form = dynamic_cast<FormMain*>(element);
    return form == nullptr || form->confirmExit();
}

void forwardTick(OrvoUtility::GUIElement* timer) {
    if (auto* form = dynamic_cast<FormMain*>(timer->parent))
        form->tick();
}

// A text cell on the form's background, black text.
std::unique_ptr<OrvoUtility::CellControl> makeCell(FormMain* form, OrvoUtility::Font* font, int x,
                                                   int y, int width, int height) {
    auto cell = std::make_unique<OrvoUtility::CellControl>(form);
    cell->SetBackColor(form->backColor);
    cell->SetForeColor(kBlack);
    cell->SetSize(width, height);
    cell->SetLocation(x, y);
    cell->font = font;
    return cell;
}

std::unique_ptr<OrvoUtility::Image> makeImage(FormMain* form, int resourceId, int x, int y,
                                              int width, int height) {
    auto image = std::make_unique<OrvoUtility::Image>(form, resourceId);
    image->SetSize(width, height);
    image->SetLocation(x, y);
    image->Create();
    return image;
}

} // namespace

InputCode FormInput::pollInput() {
    return static_cast<InputCode>(
        MyGame::pollInput(form.handle, form.game.joystickEnabled, *devices));
}

FormMain::FormMain(HINSTANCE instance, const std::string& caption,
                   const std::string& leaderboardName)
    : Form(instance), input(*this), game(clock, input, *this), leaderboardName(leaderboardName),
      formFont("Lucida Console", 14), messageFont("Arial", 22), statusFont("Arial", 22) {
    messageFont.bold = true;
    font = &formFont; // Create sends it to the window

    SetSize(kClientWidth, kClientHeight);
    SetText(caption);
    maximizeBox = false; // no sizing border and no maximise box
    onCreate = forwardCreate;
    onClose = forwardClose;
    SetBackColor(kFormColor);
    // Stored before Create so that the class gets the program's icon as its large icon too.
    SetIcon(kIconMain);
    Create(); // builds the elements (onCreate) and shows the window

    SetIcon(kIconMain); // the small icon of the title bar
    // The window was made 640 x 480 outside; the frame and the menu bar come off that.
    SetClientSize(kClientWidth, kClientHeight);
    if (mainForm == nullptr)
        mainForm = this;
}

FormMain::~FormMain() {
    // Teardown order: the timer first, so no tick reaches a form being taken apart; then
    // the dialog forms (a name form still open records its game while everything is
    // there); then the window, closed without the exit question, which takes the child
    // windows with it; then the elements, fonts and the tile sheet (members, in reverse).
    gameTimer.reset();
    nameForm.reset();
    aboutForm.reset();
    onClose = nullptr;
    CloseAndDestroy();
    game.board.attachView(nullptr);
    if (mainForm == this)
        mainForm = nullptr;
}

void FormMain::buildElements() {
    buildMenuBar();
    tileSheet.Reset(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                    MAKEINTRESOURCEW(kBitmapTileSheet),
                                                    IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    logoImage = makeImage(this, kBitmapTitleLogo, 28, 26, 200, 50);

    messageCell = makeCell(this, &messageFont, 233, 26, 275, 45);
    messageCell->Create();
    marqueeCell = makeCell(this, &formFont, 0, 0, kClientWidth, 25);
    marqueeCell->SetAlignment(kLeftAligned);
    marqueeCell->Create();

    boardViews = std::make_unique<BoardViews>(this, tileSheet.Get(), game.board);
    game.board.attachView(boardViews.get());

    scoreCell = makeCell(this, &statusFont, 423, 190, 200, 28);
    levelCell = makeCell(this, &statusFont, 423, 230, 200, 28);
    livesCell = makeCell(this, &statusFont, 423, 270, 200, 28);
    for (OrvoUtility::CellControl* box : {scoreCell.get(), levelCell.get(), livesCell.get()}) {
        box->SetBorder(true);
        box->Create();
    }
    game.refreshHud();

    helpImage = makeImage(this, kBitmapHelp, 433, 300, 183, 172);
    buildButtons();
    game.rankingLines = LeaderboardFile(leaderboardName).Load();
    showIdlePicture();

    gameTimer = std::make_unique<OrvoUtility::Timer>(this, kTimerMs);
    gameTimer->onTick = forwardTick;
    gameTimer->Start();
}

void FormMain::showIdlePicture() {
    game.showIdlePicture();
}

void FormMain::tick() {
    game.tick();
}

void FormMain::OnPaint() {
    for (OrvoUtility::GUIElement* child : OrvoUtility::ChildrenOf(handle))
        child->Refresh();
    Form::OnPaint();
}

HBRUSH FormMain::OnControlColor(HDC dc) {
    SelectObject(dc, formFont.GetHandle());
    // The context belongs to the control being drawn.
    const bool isPlayButton =
        playButton != nullptr && playButton->HasWindow() && WindowFromDC(dc) == playButton->handle;
    const COLORREF back = isPlayButton ? kPlayColor : kControlColor;
    SetTextColor(dc, isPlayButton ? kWhite : kBlack);
    SetBkColor(dc, back);
    controlBrush.Reset(CreateSolidBrush(back));
    return controlBrush.Get();
}

} // namespace MyGame
