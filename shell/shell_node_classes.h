#pragma once
// Registers the node classes of the game shell with the node factory: the hit-box kinds
// (class ids 2 to 8), the frame set (11) and the return-stack entry (12). The program calls it at start, tests before
// they read node lists; registration is explicit so no class can be lost by the linker.
void RegisterShellNodeClasses();
