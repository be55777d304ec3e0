#pragma once

#include <string>

#include "game/model/game_ui.h"

namespace cv {

class GameSession;

// The autosaves are files of their own ("Autosave 1" .. "Autosave 3"): the
// player's saves are numbered, so neither ever takes the other's file.
constexpr int kAutosaveSlots = 3;
std::string AutosaveName(int slot);
bool IsAutosaveName(const std::string& saveName);

// The slot the next autosave takes: the first without a file, else the one
// written longest ago, so the last three weeks are kept.
std::string NextAutosaveName();

// Writes the session's game to the next autosave; its own save name stays.
void Autosave(const GameSession& session);

// `then`, followed by the autosave of the session in play: what the week's
// end runs when its report closes.
AnswerHandler AutosaveAfter(AnswerHandler then);

}  // namespace cv
