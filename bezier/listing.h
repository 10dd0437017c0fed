#pragma once

#include <cstdio>
#include <string>

#include "scene.h"

// v with two decimals, exact ties rounded away from zero (0.125 -> "0.13");
// everything else exactly as "%.2f" prints it.
std::string formatCoordinate(float v);

// One listed control point: " (x,y) ".
void printPair(std::FILE* out, const Point& p);
