// The version information box.
#pragma once

#include "framework/CDialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
