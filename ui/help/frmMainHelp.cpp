// SPDX-License-Identifier: MIT
// The main window's Help command: opens the help window, or restores it when minimised.
#include <QWidget>

#include "ui/help/frmHelp.h"
#include "ui/main/frmMain.h"

void valdora::frmMain::cmdHelp_Click() {
  valdora::frmHelp& help = valdora::frmHelp::instance();
  if (help.isMinimized()) {
    help.showNormal();
  } else {
    help.show();
  }
  help.raise();
  help.activateWindow();
}
