// FormMain as the game's display: texts, sounds, and the end of a game with the leaderboard.
#include "mainform/form_main.h"

#include <mmsystem.h>

#include "leaderboard/leaderboard_file.h"
#include "mainform/score_text.h"
#include "res/resource_ids.h"

namespace MyGame {

namespace {

// The name form's onDestroy: however it closed, its owner records the game.
void recordOnDestroy(OrvoUtility::GUIElement* element) {
    auto* nameForm = dynamic_cast<OrvoUtility::FormNamePlayer*>(element);
    if (nameForm == nullptr)
        return;
    if (auto* form = dynamic_cast<FormMain*>(nameForm->ownerForm))
        form->recordScore();
}

} // namespace

void playResourceSound(int resourceId) {
    PlaySoundW(MAKEINTRESOURCEW(resourceId), GetModuleHandleW(nullptr),
               SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}

void FormMain::showScoreBoxes(const std::string& score, const std::string& level,
                              const std::string& lives) {
    scoreCell->SetText(score);
    levelCell->SetText(level);
    livesCell->SetText(lives);
}

void FormMain::showMessage(const std::string& text) {
    messageCell->SetText(text);
}

void FormMain::showMarquee(const std::string& text) {
    marqueeCell->SetText(text);
}

void FormMain::playSound(int resourceId) {
    playResourceSound(resourceId);
}

void FormMain::gameOver() {
    // The game has shown "Fine gioco!" and stopped; the lives box keeps its last value.
    showIdleControls();
    if (game.scoreCounts())
        openNameForm();
}

void FormMain::openNameForm() {
    if (nameForm != nullptr)
        OrvoUtility::ReleaseLater(nameForm.release());
    // The name form disables this form while it is open.
    nameForm = std::make_unique<OrvoUtility::FormNamePlayer>(this, instance, "Classifica");
    nameForm->onDestroy = recordOnDestroy;
    nameForm->SetIcon(kIconMain);
    nameForm->SetPrompt("Inserisci il tuo nome:");

    // Centred on this window.
    const POINT corner = GetLocation();
    const SIZE size = GetSize();
    const SIZE formSize = nameForm->GetSize();
    nameForm->SetLocation(corner.x + (size.cx - formSize.cx) / 2,
                          corner.y + (size.cy - formSize.cy) / 2);
    nameForm->Show(); // without taking the activation; the game waits for nothing
}

void FormMain::recordScore() {
    LeaderboardFile leaderboard(leaderboardName);
    // A file that cannot be written stays as it was; nothing is shown.
    leaderboard.Add(game.score, leaderboardText(OrvoUtility::playerName, game.level));
    game.rankingLines = leaderboard.Load();
}

} // namespace MyGame
