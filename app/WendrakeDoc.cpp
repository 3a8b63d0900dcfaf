#include "app/WendrakeDoc.h"

IMPLEMENT_DYNCREATE(CWendrakeDoc)
