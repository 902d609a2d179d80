#include "plots.h"

// kPi / 703 to the digits the plots have always used.
const double g_plotStep = 0.004468837345078237;

// Created before the program's entry point, like the grids' row pointers.
POINT* g_plotPoints = new POINT[kPlotPointCount];
