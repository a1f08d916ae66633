// The main menu's frame: the pointer animation, the hosted game's countdown,
// play and end, and the program's running time.
#include "app/AppState.h"
#include "games/base/GlobalStatistics.h"
#include "media/Sound.h"
#include "menu/MainMenu.h"

void MainMenu::Update() {
    UpdatePointer();
    if (HostedGame()) {
        UpdateHostedGame();
    }
    if (app->statistics) {
        app->statistics->totalTime += app->frameTime;
    }
}

void MainMenu::UpdatePointer() {
    if (buttonHeld) {
        if (pressAnim >= pressAnimMax) {
            pressAnim = pressAnimMax;
        } else {
            pressAnim += app->rawFrameTime;
        }
    } else if (pressAnim > 0.0) {
        pressAnim -= app->rawFrameTime;
    } else {
        pressAnim = 0.0;
    }
}

void MainMenu::UpdateHostedGame() {
    if (countdown > 0.0) {
        // The game is drawn but not updated until its countdown is over.
        countdown -= app->frameTime;
        if (countdown <= 0.0) {
            game->StartGame();
        }
        if (game->GetState() == Knobel_Game::STATE_ABORTED) {
            CloseGame();
        }
        return;
    }
    if (game->GetState() != Knobel_Game::STATE_PAUSED) {
        game->Update();
    }
    switch (game->GetState()) {
    case Knobel_Game::STATE_FINISHED:
    case Knobel_Game::STATE_FAILED:
        if (!resultHandled) {
            HandleGameEnd();
        }
        break;
    case Knobel_Game::STATE_ABORTED:
        if (!resultHandled) {
            HandleAbortedGame();
        }
        break;
    default:
        endDelay = kEndDelaySeconds;
        break;
    }
}

void MainMenu::HandleGameEnd() {
    endDelay -= app->rawFrameTime;
    if (endDelay > 0.0) {
        return;
    }
    PlaySound(SOUND_WIN, 1.0f);
    ShowPage(PAGE_RESULT);
    game->ComputeGrade();
    if (!pendingRecord && game->QualifiesForRecords()) {
        pendingRecord = game->CreateRecordEntry();
    }
    resultHandled = true;
}

void MainMenu::HandleAbortedGame() {
    resultHandled = true;
    game->ComputeGrade();
    if (pendingRecord) {
        return;
    }
    if (game->QualifiesForRecords()) {
        PlaySound(SOUND_WIN, 1.0f);
        ShowPage(PAGE_RESULT);
        pendingRecord = game->CreateRecordEntry();
    } else {
        // Nothing to name: the game ends at once.
        LeaveResult();
    }
}
