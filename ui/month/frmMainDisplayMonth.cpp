// SPDX-License-Identifier: MIT
// The main window's "Display month" button: opens the month window on the month of the first
// date, or on today's month.
#include <QComboBox>
#include <QLineEdit>
#include <QPoint>
#include <QWidget>

#include "presentation/MonthGrid.h"
#include "ui/common/Metrics.h"
#include "ui/main/frmMain.h"
#include "ui/month/frmDisplayMonth.h"

using namespace valdora;

void frmMain::cmdDisplayMonth_Click() {
  const QString text = txbFirstDate->text().trimmed();
  txbFirstDate->setText(text);
  const MonthToOpen date = MonthOfFirstDate(text.toStdString(), GetCal(1), UsersDateFormat());

  frmDisplayMonth& month = frmDisplayMonth::instance();
  connect(&month, &frmDisplayMonth::closed, this, &frmMain::SecondaryWindowClosed,
          Qt::UniqueConnection);
  month.setWindowIcon(windowIcon());
  month.WorkingDays = [this](std::int64_t first, std::int64_t last) {
    return MarkedCalendarWithin(first, last);
  };
  month.txbYear->setText(QString::number(date.year));
  month.cboMonths->setCurrentIndex(date.month - 1);
  // Only the first showing places the window; one already open keeps its place.
  if (!month.isVisible()) {
    month.move(pos() + QPoint(TwipsToPixels(4000), TwipsToPixels(1710)));
  }
  month.show();
  month.raise();
  month.activateWindow();
  month.DisplayMonth();
}

void frmMain::SecondaryWindowClosed() {
  activateWindow();
  txbFirstDate->setFocus();
}
