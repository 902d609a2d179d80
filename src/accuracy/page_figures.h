// The figures the physics page and the teaching guides quote, each
// printed beside what it is measured from, so that a reader can redo them.
#pragma once

// Solves as it needs: g_field holds the last solve's evolution afterwards.
void PrintPageFigures();
