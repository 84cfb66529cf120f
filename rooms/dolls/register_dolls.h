#pragma once
// What the doll room brings to the game: the room kind DOLL, the doll's snapshot kind 2 and
// its gift kind, whose detail is the doll's head (four of them).
void RegisterDollRoom();
