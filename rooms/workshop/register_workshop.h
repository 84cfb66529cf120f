#pragma once
void RegisterWorkshopRoom();
