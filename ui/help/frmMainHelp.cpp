// SPDX-License-Identifier: MIT
// The main window's Help command: opens the help window, or restores it when minimised.
#include <QLabel>
#include <QWidget>
#include <algorithm>

#include "ui/common/Metrics.h"
#include "ui/help/frmHelp.h"
#include "ui/main/frmMain.h"

QRect valdora::frmMain::HelpWindowPlace() const {
  const QRect frame = frameGeometry();
  const int labelTop = lblTodaysDate[0]->mapTo(this, QPoint(0, 0)).y();  // below the client top
  const int top = frame.top() + labelTop - TwipsToPixels(425);
  // The help window's frame is taken to be as thick as this one's.
  const int frameExtraH = frame.height() - height();
  const int outerHeight = frame.bottom() + 1 - top - TwipsToPixels(125);
  return {frame.left(), top, width(), std::max(outerHeight - frameExtraH, 0)};
}

void valdora::frmMain::cmdHelp_Click() {
  const bool loading = !valdora::frmHelp::exists();
  valdora::frmHelp& help = valdora::frmHelp::instance();
  // Only the window's first showing places it; later ones keep where the user put it.
  if (loading) help.PlaceOver(HelpWindowPlace());
  connect(&help, &valdora::frmHelp::closed, this, &frmMain::SecondaryWindowClosed,
          Qt::UniqueConnection);
  if (help.isMinimized()) {
    help.showNormal();
  } else {
    help.show();
  }
  help.raise();
  help.activateWindow();
}
