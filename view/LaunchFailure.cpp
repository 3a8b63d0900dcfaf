#include "view/LaunchFailure.h"

#include "engine/LaunchCommand.h"
#include "framework/ResourceString.h"
#include "res/resource.h"

CString LaunchFailureText(const CString& strTarget, INT_PTR nShellResult) {
    CString text = strTarget + AfxLoadString(IDS_LAUNCH_FAILED);
    if (const unsigned nReasonId = ShellErrorReasonId(nShellResult))
        text += AfxLoadString(nReasonId);
    return text;
}

CString TargetTooLongText(const CString& strTarget) {
    return strTarget + AfxLoadString(IDS_TARGET_TOO_LONG);
}
