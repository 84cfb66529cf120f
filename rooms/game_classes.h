#pragma once
// Registers every class the game can meet in its files: the node classes of the foundation and
// the shell, the shell's generic room kinds, and what each room of the house brings. The game,
// the test harness and the fuzz targets all call this one routine, so no program can read a
// saved game or an init script that another one could not. Safe to call more than once.
void RegisterGameClasses();
