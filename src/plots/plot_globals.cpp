#include "plots.h"

// Created before the program's entry point, like the grids' row pointers.
POINT* g_plotPoints = new POINT[kPlotPointCount];
