#include "app.h"
#include "screens.h"

// The picture last scaled for a paint. Scaling a picture to a large screen
// takes the platform far longer than the animation's 100 ms between frames
// (about 200 ms at 3840 x 2160 under Wine), so the formation screen keeps
// its scaled background from one frame to the next. One entry is enough:
// a screen paints one picture.
static HBITMAP s_picture = nullptr;
static HINSTANCE s_module = nullptr;
static int s_id = 0;
static int s_width = 0;
static int s_height = 0;

HBITMAP GetScaledPicture(int id, int width, int height) {
    if (s_picture != nullptr && s_module == g_instance && s_id == id && s_width == width &&
        s_height == height) {
        return s_picture;
    }
    if (s_picture != nullptr) {
        DeleteObject(s_picture);
    }
    s_picture = static_cast<HBITMAP>(LoadImageW(g_instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP,
                                                width, height, LR_DEFAULTCOLOR));
    s_module = g_instance;
    s_id = id;
    s_width = width;
    s_height = height;
    return s_picture;
}
