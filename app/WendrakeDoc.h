// The document the single-document frame needs. The shortcuts are not document data: they
// live in the view and in the profile, so the document holds nothing.
#pragma once

#include "framework/CDocument.h"

class CWendrakeDoc : public CDocument {
    DECLARE_DYNCREATE(CWendrakeDoc)
};
