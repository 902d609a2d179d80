// The background of the Wave formation screen, drawn in pieces: the
// picture's heading and equation at the top left, and each axis label
// beside the plot element it names, wherever the screen's shape puts that
// element. Every piece keeps its shape: it is scaled by min(W / 1024,
// H / 768), the scale of the picture fitted to the screen.
#pragma once

#include <windows.h>

// The size the background picture is drawn for at 96 DPI, where each
// label stands exactly where the picture has it.
constexpr SIZE kFormationDesignSize = {1024, 768};

// Where the plot's elements stand on a screen: what the labels follow.
struct FormationMarks {
    int axisLeft;      // left end of the horizontal axes and the level line
    int axisTip;       // right tip of the horizontal axes
    int verticalAxis;  // column of the three vertical axes
    int profileAxis;   // rows of the horizontal axes
    int speedAxis;
    int diffusionAxis;
    int levelLine;
    int profileTip;  // top tips of the vertical axes
    int speedTip;
    int diffusionTip;
};

// The marks of the formation plot on a screen of `size` at `dpi`
// (formation_plot.cpp): the arrows' tips stand a fixed distance at that
// DPI from the right edge.
FormationMarks ComputeFormationMarks(SIZE size, int dpi);

// Fills (0, 0)-size with the picture's background colour and draws the
// pieces of picture `id` of `pictures` by the plot's `marks` on this
// screen, each as far from its mark as the picture has it at
// kFormationDesignSize. Keeps the scaled picture (GetScaledPicture); draws
// nothing when it cannot be loaded.
void DrawFormationBackground(HDC dc, SIZE size, const FormationMarks& marks, HMODULE pictures,
                             int id);
