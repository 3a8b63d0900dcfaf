#include "ScriptedDialog.h"

BEGIN_MESSAGE_MAP(ScriptedDialog, CDialog)
ON_MESSAGE(WM_SHOWWINDOW, OnShowWindow)
ON_MESSAGE(WM_RUN_SCRIPT, OnRunScript)
END_MESSAGE_MAP()
