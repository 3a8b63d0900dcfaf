// Creation of a class from a description of it: the document template makes the document,
// frame and view this way without knowing their types.
#pragma once

class CCmdTarget;

struct CRuntimeClass {
    const char* m_lpszClassName;
    CCmdTarget* (*m_pfnCreateObject)();

    CCmdTarget* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
};

#define RUNTIME_CLASS(class_name) (&class_name::classRuntime)

#define DECLARE_DYNCREATE(class_name)                                                              \
public:                                                                                            \
    static const CRuntimeClass classRuntime;                                                       \
    static CCmdTarget* CreateObject();

#define IMPLEMENT_DYNCREATE(class_name)                                                            \
    CCmdTarget* class_name::CreateObject() {                                                       \
        return new class_name;                                                                     \
    }                                                                                              \
    const CRuntimeClass class_name::classRuntime = {#class_name, &class_name::CreateObject};
