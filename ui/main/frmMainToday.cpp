// SPDX-License-Identifier: MIT
// Today's date on the main window: the two label pairs and their calendar ring, the two
// Today buttons, and the one-second clock that keeps the output buttons in step.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <string>

#include "engine/DateCore.h"
#include "presentation/FieldDates.h"
#include "presentation/TodayLabels.h"
#include "text/Language.h"
#include "ui/main/frmMain.h"

using namespace valdora;

namespace {
QString Q(const std::string& text) { return QString::fromStdString(text); }

// The output window enables Enlarge only beyond this many characters.
constexpr int EnlargeThreshold = 140;
}  // namespace

void frmMain::ShowTodaysDate() {
  if (!blnStartUpCompleted) return;
  const Jdn today = TodayJdn();
  const TodayLabelTexts labels =
      BuildTodayLabels(today, intTodayCal, intLanguage, FieldTextSettings());
  lblTodaysDate[0]->setText(Q(labels.todaysDate0));
  lblTodaysDate[1]->setText(Q(labels.todaysDate1));
  lblWeekFromToday[0]->setText(Q(labels.weekFromToday0));
  lblWeekFromToday[1]->setText(Q(labels.weekFromToday1));
  lngTodayShownJdn = today;
}

void frmMain::NextTodayCal() { intTodayCal = NextTodayCalendar(intTodayCal); }

void frmMain::PreviousTodayCal() { intTodayCal = PreviousTodayCalendar(intTodayCal); }

void frmMain::lblTodaysDate_MouseUp(int /*index*/, int button) {
  if (button == 2) PreviousTodayCal();
  else NextTodayCal();
  ShowTodaysDate();
}

void frmMain::lblWeekFromToday_MouseUp(int /*index*/, int button) {
  if (button == 2) PreviousTodayCal();
  else NextTodayCal();
  ShowTodaysDate();
}

void frmMain::cmdToday_Click(int index) {
  if (index != 0 && index != 1) return;
  QLineEdit* field = index == 0 ? txbFirstDate : txbSecondDate;
  field->setText(Q(TodayInCalendar(GetCal(index + 1), FieldTextSettings())));
  SetTheFocus();
}

void frmMain::Clock_Timer() {
  cmdCopyOutput->setVisible(true);
  cmdCopyOutput->setEnabled(true);
  // characterCount() counts the closing paragraph separator as well.
  const int length = txbOutput->document()->characterCount() - 1;
  cmdClearOutputWindow->setVisible(true);
  cmdClearOutputWindow->setEnabled(length > 0);
  cmdEnlarge->setVisible(true);
  cmdEnlarge->setEnabled(length > EnlargeThreshold);
  // After midnight the labels move on to the new day.
  if (blnStartUpCompleted && TodayJdn() != lngTodayShownJdn) ShowTodaysDate();
}
