#pragma once
// What the kitchen brings to the game: the room kinds KITCHEN and TRAY, the tray's snapshot
// kind 3 and the cookie gift.
void RegisterKitchenRooms();
