#pragma once
// What the card room brings to the game: the room kind CONC, its snapshot kind 1 and its
// gift kind (the card game, one variant).
void RegisterCardRoom();
