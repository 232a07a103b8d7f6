#include "engine/position.h"

tagPosition Sun{};
tagPosition Moon{};
double latitude0 = 0.0;
double longitude0 = 0.0;
