// The X server's pointer, moved and clicked with xdotool as a user's mouse would be: the events
// pass through the X server into Wine, as real ones do.
#pragma once

#include <windows.h>

// Button 1 is the left, 3 the right button. Returns once xdotool is started; the click arrives
// shortly after, so callers wait for its effect.
bool XClick(POINT ptScreen, int nButton);
