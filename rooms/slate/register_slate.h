#pragma once
// The slate's kind word SLATE and its album snapshot kind 4.
void RegisterSlateRoom();
