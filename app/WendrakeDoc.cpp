#include "app/WendrakeDoc.h"

IMPLEMENT_DYNCREATE(CWendrakeDoc)

BEGIN_MESSAGE_MAP(CWendrakeDoc, CDocument)
END_MESSAGE_MAP()

BOOL CWendrakeDoc::OnNewDocument() {
    return CDocument::OnNewDocument() ? TRUE : FALSE;
}

void CWendrakeDoc::Serialize(CArchive&) {}
