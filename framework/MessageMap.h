// Message maps: each window or command-target class has a static table from message, command
// or notification to handler, chained to its base class's table. A thunk per entry turns the
// message's parameters into the handler's own arguments, so every handler keeps its natural,
// type-checked signature.
#pragma once

#include <windows.h>

class CCmdTarget;
class CCmdUI;

typedef LRESULT (*AFX_THUNK)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;                   // the window message; 0 ends the table
    UINT nCode;                      // WM_COMMAND: CN_ code or control notification;
                                     // WM_NOTIFY: notification code
    UINT nID;                        // command or control id
    const UINT* pnRegisteredMessage; // for RegisterWindowMessage ids, known only at run time
    AFX_THUNK pfnThunk;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Command codes: carry the command out, or only ask its update handler for its state.
const UINT CN_COMMAND = 0;
const UINT CN_UPDATE_COMMAND_UI = 0xFFFFFFFF;

// Notifications a control reflects back to its own class are entered under this offset.
const UINT WM_REFLECT_BASE = 0xBC00;

namespace afx {
template <class T, auto pfn> LRESULT VoidThunk(CCmdTarget* p, WPARAM, LPARAM) {
    (static_cast<T*>(p)->*pfn)();
    return 0;
}
template <class T, auto pfn> LRESULT UpdateThunk(CCmdTarget* p, WPARAM, LPARAM lParam) {
    (static_cast<T*>(p)->*pfn)(reinterpret_cast<CCmdUI*>(lParam));
    return 0;
}
template <class T, auto pfn> LRESULT MessageThunk(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
    return (static_cast<T*>(p)->*pfn)(wParam, lParam);
}
template <class T, auto pfn> LRESULT NotifyThunk(CCmdTarget* p, WPARAM, LPARAM lParam) {
    LRESULT result = 0;
    (static_cast<T*>(p)->*pfn)(reinterpret_cast<NMHDR*>(lParam), &result);
    return result;
}
template <class T, auto pfn> LRESULT CreateThunk(CCmdTarget* p, WPARAM, LPARAM lParam) {
    return (static_cast<T*>(p)->*pfn)(reinterpret_cast<LPCREATESTRUCTW>(lParam));
}
template <class T, auto pfn> LRESULT SysCommandThunk(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
    (static_cast<T*>(p)->*pfn)(static_cast<UINT>(wParam), lParam);
    return 0;
}
template <class T, auto pfn> LRESULT DropFilesThunk(CCmdTarget* p, WPARAM wParam, LPARAM) {
    (static_cast<T*>(p)->*pfn)(reinterpret_cast<HDROP>(wParam));
    return 0;
}
template <class T, auto pfn> LRESULT MouseThunk(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    (static_cast<T*>(p)->*pfn)(static_cast<UINT>(wParam), point);
    return 0;
}
template <class T, auto pfn>
LRESULT InitMenuPopupThunk(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
    (static_cast<T*>(p)->*pfn)(reinterpret_cast<HMENU>(wParam), LOWORD(lParam), HIWORD(lParam));
    return 0;
}
template <class T, auto pfn> LRESULT MenuSelectThunk(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
    (static_cast<T*>(p)->*pfn)(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
    return 0;
}
template <class T, auto pfn> LRESULT SizeThunk(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
    (static_cast<T*>(p)->*pfn)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
    return 0;
}
} // namespace afx

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, nullptr, nullptr }                                                                  \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &entries[0]};          \
    return &messageMap;                                                                            \
    }

#define AFX_ENTRY(message, code, id, thunk, fn)                                                    \
    {(message), (code), static_cast<UINT>(id), nullptr, &afx::thunk<ThisClass, &ThisClass::fn>},

#define ON_COMMAND(id, fn) AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, VoidThunk, fn)
#define ON_UPDATE_COMMAND_UI(id, fn)                                                               \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, UpdateThunk, fn)
#define ON_BN_CLICKED(id, fn) AFX_ENTRY(WM_COMMAND, BN_CLICKED, id, VoidThunk, fn)
#define ON_NOTIFY_REFLECT(code, fn)                                                                \
    AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(code), 0, NotifyThunk, fn)
#define ON_MESSAGE(message, fn) AFX_ENTRY(message, 0, 0, MessageThunk, fn)
#define ON_REGISTERED_MESSAGE(messageVariable, fn)                                                 \
    {0, 0, 0, &(messageVariable), &afx::MessageThunk<ThisClass, &ThisClass::fn>},
#define ON_WM_CREATE() AFX_ENTRY(WM_CREATE, 0, 0, CreateThunk, OnCreate)
#define ON_WM_DESTROY() AFX_ENTRY(WM_DESTROY, 0, 0, VoidThunk, OnDestroy)
#define ON_WM_CLOSE() AFX_ENTRY(WM_CLOSE, 0, 0, VoidThunk, OnClose)
#define ON_WM_SYSCOMMAND() AFX_ENTRY(WM_SYSCOMMAND, 0, 0, SysCommandThunk, OnSysCommand)
#define ON_WM_DROPFILES() AFX_ENTRY(WM_DROPFILES, 0, 0, DropFilesThunk, OnDropFiles)
#define ON_WM_LBUTTONDBLCLK() AFX_ENTRY(WM_LBUTTONDBLCLK, 0, 0, MouseThunk, OnLButtonDblClk)
#define ON_WM_INITMENUPOPUP() AFX_ENTRY(WM_INITMENUPOPUP, 0, 0, InitMenuPopupThunk, OnInitMenuPopup)
#define ON_WM_MENUSELECT() AFX_ENTRY(WM_MENUSELECT, 0, 0, MenuSelectThunk, OnMenuSelect)
#define ON_WM_SIZE() AFX_ENTRY(WM_SIZE, 0, 0, SizeThunk, OnSize)
#define ON_WM_PAINT() AFX_ENTRY(WM_PAINT, 0, 0, VoidThunk, OnPaint)
