#pragma once
// What the train room brings to the game: the room kind TRAIN, the album's snapshot kind 0
// and the gift kind of the train layout.
void RegisterTrainRoom();
