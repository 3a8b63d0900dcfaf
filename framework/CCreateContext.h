// What a frame needs to create its view: the view's run-time class and the document the
// view will show. Passed through the frame's creation to its WM_CREATE.
#pragma once

struct CRuntimeClass;
class CDocument;

struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
};
