// The pictures of the tool bar and the rows are drawn for a few DPIs (res/draw_pictures.py)
// rather than stretched: a window uses the largest drawing that is not bigger than its DPI.
#pragma once

#include "res/resource.h"

#include <windows.h>

inline UINT PictureDpi(UINT nDpi) {
    for (const UINT nDrawn : {288u, 240u, 192u, 144u, 120u})
        if (nDpi >= nDrawn)
            return nDrawn;
    return 96;
}

// Drawings for 96 DPI have their own ids; the others are numbered by their DPI.
inline UINT PictureId(UINT nIdAt96, UINT nIdBase, UINT nPictureDpi) {
    return nPictureDpi == 96 ? nIdAt96 : nIdBase + nPictureDpi;
}
