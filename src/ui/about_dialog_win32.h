#pragma once

#include "res/resource.h"
#include "win/dialog.h"

// The About box: a plain dialog that OK or Esc closes.
class CAboutDlg : public win::Dialog {
  public:
    CAboutDlg() : win::Dialog(IDD_ABOUT) {}
};
