#pragma once
// What the tree room brings to the game: the room kind TREE and the bauble's node class 13.
void RegisterTreeRoom();
