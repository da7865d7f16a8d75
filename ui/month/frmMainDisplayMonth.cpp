// SPDX-License-Identifier: MIT
// The main window's "Display month" button: opens the month window on the month of the first
// date, or on today's month.
#include <QComboBox>
#include <QLineEdit>
#include <QPoint>
#include <QWidget>

#include "engine/DateCore.h"
#include "engine/DateParse.h"
#include "ui/common/Metrics.h"
#include "ui/main/frmMain.h"
#include "ui/month/frmDisplayMonth.h"

using namespace valdora;

void frmMain::cmdDisplayMonth_Click() {
  const QString text = txbFirstDate->text().trimmed();
  txbFirstDate->setText(text);
  const CalendarCode cal = GetCal(1);

  // A readable CE, JC or JDN first date gives its month (a JC date counted in the Julian
  // calendar); anything else, today's month in the Common Era calendar.
  EuroDate date;
  bool today = text.isEmpty() || (cal != CE && cal != JC && cal != JDN);
  if (!today) {
    const std::string typed = text.toStdString();
    today = ParseEuroDate(typed, DateSeparator, cal, UsersDateFormat(), date) != StatusValid;
  }
  if (today) {
    date = EuroDate{};
    date.jdn = TodayJdn();
  }
  date.calendar = !today && cal == JC ? JulianLetter : GregorianLetter;
  JdnToEuroDate(date);

  frmDisplayMonth& month = frmDisplayMonth::instance();
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
