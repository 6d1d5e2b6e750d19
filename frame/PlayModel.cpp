#include "frame/PlayModel.h"

bool PlayModel::pause() {
    if (state_ != PlayState::Running || !canPause()) return false;
    state_ = PlayState::Paused;
    afterPause();
    return true;
}

bool PlayModel::resume() {
    if (state_ != PlayState::Paused) return false;
    state_ = PlayState::Running;
    afterResume();
    return true;
}

bool PlayModel::startRoundEnd() {
    if (state_ != PlayState::Running) return false;
    state_ = PlayState::RoundEnd;
    return true;
}

bool PlayModel::gameOver() {
    if (state_ != PlayState::RoundEnd) return false;
    state_ = PlayState::GameOver;
    return true;
}

void PlayModel::settle(PlayState to) {
    if (gameRunning()) state_ = to;
}
