#pragma once
// What the puzzle room brings to the game: the room kind PUZZLE, its snapshot kind 5 and its
// gift kind (a puzzle of one of three sizes).
void RegisterPuzzleRoom();
