#pragma once
// The wrapping table and the show room (kind word WRAP) and the slate toy's gift kind.
void RegisterWrapRooms();
