#pragma once
// The route of "Moja trasa" rebuilt from a text of node names separated by
// commas: kept in the model (model/Trasa.h).
#include "model/Trasa.h"
