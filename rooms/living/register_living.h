#pragma once
// What the living room brings to the game: the room kind LIVING.
void RegisterLivingRoom();
