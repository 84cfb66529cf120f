#pragma once
// The bedroom's rooms: the bedroom "BED", the dark room "DARK" and the jukebox "JUKEBOX".
void RegisterBedroomRooms();
