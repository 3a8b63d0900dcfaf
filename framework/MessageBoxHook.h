// Lets tests answer the framework's message boxes: while a hook is set, AfxMessageBox hands
// it the text, type and caption instead of showing a box, and returns its answer.
#pragma once

#include "CString.h"

#include <windows.h>

#include <functional>

using AfxMessageBoxHook =
    std::function<int(const CString& text, UINT nType, const CString& caption)>;

// An empty hook shows real boxes again.
void AfxSetMessageBoxHook(AfxMessageBoxHook hook);
