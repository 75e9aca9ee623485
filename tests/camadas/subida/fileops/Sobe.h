// A service that reaches up into a window: the layer check must name this include.
#pragma once

#include "dialogs/CentralSolucoes.h"
