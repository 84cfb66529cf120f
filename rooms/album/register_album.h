#pragma once
// The album room's kind word ALBUM.
void RegisterAlbumRoom();
