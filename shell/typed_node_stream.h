#pragma once
// Reading a node list whose nodes must all be of one class lives with the typed lists.
#include "foundation/typed_node_list.h"
