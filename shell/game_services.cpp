#include "game_services.h"

namespace {
TGameServices gServices;
}

void InstallGameServices(const TGameServices& services) { gServices = services; }
const TGameServices& GameServices() { return gServices; }
