// SPDX-License-Identifier: MIT
// The main window's option behaviour, its three public queries, the re-expression of a
// typed date in another calendar, and its side of the Compute command (ComputeHost).
#include "ui/main/frmMain.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>

#include "compute/Compute.h"
#include "presentation/FieldDates.h"
#include "holidays/WorkingCalendarSource.h"
#include "text/Language.h"
#include "ui/common/FontOnFirstUse.h"
#include "ui/common/MessageBox.h"
#include "ui/common/frmClearOneTextBox.h"
#include "ui/month/frmDisplayMonth.h"

using namespace valdora;

namespace {
QString Q(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

frmMain::frmMain(QWidget* parent)
    : QWidget(parent),
      workingCalendar(std::make_unique<WorkingCalendarSource>()) {
  setObjectName(QStringLiteral("frmMain"));
  BuildControls();
  ConnectControls();
}

frmMain::~frmMain() {
  // The month window may outlive this window: it must not ask it for working days.
  if (frmDisplayMonth::exists()) frmDisplayMonth::instance().WorkingDays = nullptr;
}

void frmMain::closeEvent(QCloseEvent* event) {
  // Closing by the frame is Quit; the close that Quit itself causes only closes.
  if (!blnQuitting) Form_Unload();
  event->accept();
}

// ---------------------------------------------------------------------------------------
// Queries
// ---------------------------------------------------------------------------------------

CalendarCode frmMain::GetCal(int which) const {
  const bool first = which == 1;
  const std::array<std::pair<QRadioButton*, CalendarCode>, 6> order = {{
      {first ? optFirstDateIsJC : optSecondDateIsJC, JC},
      {first ? optFirstDateIsISO : optSecondDateIsISO, ISO},
      {first ? optFirstDateIsJDN : optSecondDateIsJDN, JDN},
      {first ? optFirstDateIsORD : optSecondDateIsORD, ORD},
      {first ? optFirstDateIsLPW : optSecondDateIsLPW, LPW},
      {first ? optFirstDateIsLPM : optSecondDateIsLPM, LPM}}};
  for (const auto& [option, code] : order) {
    if (option->isChecked()) return code;
  }
  return CE;
}

DateFormat frmMain::UsersDateFormat() const {
  if (optDateFormatIsYMD->isChecked()) return YMD;
  if (optDateFormatIsDMY->isChecked()) return DMY;
  return MDY;
}

DateTextSettings frmMain::FieldTextSettings() const {
  return CurrentDateTextSettings(UsersDateFormat(), chkHyphen->isChecked());
}

void frmMain::SetTheFocus() {
  if (!isEnabled() || !blnStartUpCompleted) return;
  const bool first = !txbFirstDate->text().isEmpty();
  const bool diff = !txbDateDiff->text().isEmpty();
  const bool second = !txbSecondDate->text().isEmpty();
  if (int(first) + int(diff) + int(second) >= 2) cmdCompute->setFocus();
  else if (!first) txbFirstDate->setFocus();
  else if (!diff) txbDateDiff->setFocus();
  else txbSecondDate->setFocus();
}

void frmMain::ClearInputFields() {
  txbFirstDate->clear();
  txbSecondDate->clear();
  txbDateDiff->clear();
  if (blnStartUpCompleted) txbFirstDate->setFocus();
}

// ---------------------------------------------------------------------------------------
// Option behaviour
// ---------------------------------------------------------------------------------------

namespace {
void SetSeparatorCaptions(frmMain& w, const char* dash, const char* slash, const char* dot) {
  w.optSeparatorIsDash->setText(QString::fromLatin1(dash));
  w.optSeparatorIsSlash->setText(QString::fromLatin1(slash));
  w.optSeparatorIsDot->setText(QString::fromLatin1(dot));
}
}  // namespace

void frmMain::optDateFormatIsYMD_Click() {
  SetSeparatorCaptions(*this, "2012-12-31", "2012/12/31", "2012.12.31");
  ClearInputFields();
  ShowTodaysDate();
}

void frmMain::optDateFormatIsDMY_Click() {
  SetSeparatorCaptions(*this, "31-12-2012", "31/12/2012", "31.12.2012");
  ClearInputFields();
  ShowTodaysDate();
}

void frmMain::optDateFormatIsMDY_Click() {
  SetSeparatorCaptions(*this, "12-31-2012", "12/31/2012", "12.31.2012");
  ClearInputFields();
  ShowTodaysDate();
}

void frmMain::optSeparator_Click(const char* separator) {
  DateSeparator = separator;
  ClearInputFields();
  ShowTodaysDate();
}

void frmMain::optThousSep_Click(const char* separator) {
  ThousandsSeparator = separator;
  SetTheFocus();
}

void frmMain::optDays_Click() {
  chkIncludeFirstDate->setVisible(true);
  chkIncludeWeekends->setVisible(true);
  cmdWorkingWeek->setVisible(true);
  SetTheFocus();
}

void frmMain::optMonths_Click() {
  chkIncludeFirstDate->setVisible(false);
  chkIncludeWeekends->setVisible(false);
  cmdWorkingWeek->setVisible(false);
  SetTheFocus();
}

void frmMain::chkOption_Click() { SetTheFocus(); }

void frmMain::SelectCalOption(int which, std::int16_t code, bool ceIfUnknown) {
  QButtonGroup* group = which == 1 ? grpFirstCal : grpSecondCal;
  QAbstractButton* option = group->button(code);
  if (option == nullptr && ceIfUnknown) option = group->button(CE);
  if (option != nullptr) option->setChecked(true);
}

// ---------------------------------------------------------------------------------------
// Re-expression of a typed date in another calendar
// ---------------------------------------------------------------------------------------

void frmMain::FirstDateCalChanged(std::int16_t code) {
  DateCalChanged(txbFirstDate, intFirstDateOptCal, code, &frmMain::RevertFirstDateCal);
}

void frmMain::SecondDateCalChanged(std::int16_t code) {
  DateCalChanged(txbSecondDate, intSecondDateOptCal, code, &frmMain::RevertSecondDateCal);
}

// The common body of both: re-expresses the field's date in the newly chosen calendar, or
// reverts the option when the date has no text there.
void frmMain::DateCalChanged(QLineEdit* field, std::int16_t& optCal, std::int16_t code,
                             void (frmMain::*revert)(bool)) {
  field->setText(field->text().trimmed());
  if (field->text().isEmpty() || !blnStartUpCompleted) {
    optCal = code;
    return;
  }
  if (blnRevertingCalOption) return;
  strDateToReExpress = field->text().toStdString();
  intOldCal = optCal;
  intNewCal = code;
  bool ok = false;
  bool showMessage = false;
  ReExpressDate(ok, showMessage);
  if (ok) {
    field->setText(Q(strReExpressedDate));
    optCal = intNewCal;
  } else {
    (this->*revert)(showMessage);
  }
}

void frmMain::ReExpressDate(bool& ok, bool& showMessage) {
  ok = false;
  showMessage = false;
  ShowTodaysDate();
  if (strDateToReExpress.empty() || intOldCal == intNewCal) return;
  std::string text;
  const FieldDateOutcome outcome =
      ConvertDateText(strDateToReExpress, static_cast<CalendarCode>(intOldCal),
                      static_cast<CalendarCode>(intNewCal), FieldTextSettings(), text);
  if (outcome == FieldDateOutcome::NotValid || outcome == FieldDateOutcome::InputOutOfRange) {
    showMessage = true;
    return;
  }
  // A day with no text in the new calendar that reads back (no ordinal date before 0001 or
  // after 9999, no JDN beyond the reader's range): refused without a message.
  if (outcome != FieldDateOutcome::Written) return;
  strReExpressedDate = text;
  txbDateDiff->setCursorPosition(txbDateDiff->text().size());
  txbDateDiff->setFocus();
  ok = true;
}

void frmMain::RevertFirstDateCal(bool showMessage) {
  blnRevertingCalOption = true;
  SelectCalOption(1, intOldCal, false);
  if (showMessage) {
    ShowMessage(this, Q(ProgramText(156)), Q(ProgramText(150)), MsgIcon::None, MsgButtons::Ok);
  }
  blnRevertingCalOption = false;
}

void frmMain::RevertSecondDateCal(bool showMessage) {
  blnRevertingCalOption = true;
  SelectCalOption(2, intOldCal, false);
  if (showMessage) {
    ShowMessage(this, Q(ProgramText(157)), Q(ProgramText(150)), MsgIcon::None, MsgButtons::Ok);
  }
  blnRevertingCalOption = false;
}

// ---------------------------------------------------------------------------------------
// Compute
// ---------------------------------------------------------------------------------------

void frmMain::cmdCompute_Click() { valdora::cmdCompute_Click(*this, computeState); }

void frmMain::ReadComputeOptions() { valdora::ReadComputeOptions(*this, computeState); }

void frmMain::SetNoDateDiffandSameCal() {
  valdora::SetNoDateDiffandSameCal(*this, computeState);
}

ClearChoice frmMain::AskFieldToClear() {
  frmClearOneTextBox& dialog = frmClearOneTextBox::instance();
  const QScreen* screen = this->screen();
  dialog.SetPlace(QRect(Frame3->mapToGlobal(QPoint(0, 0)), Frame3->size()),
                  screen != nullptr ? screen->availableGeometry() : QRect());
  dialog.exec();
  if (dialog.optClearFirstDate->isChecked()) return ClearChoice::FirstDate;
  if (dialog.optClearDateDiff->isChecked()) return ClearChoice::DateDiff;
  if (dialog.optClearSecondDate->isChecked()) return ClearChoice::SecondDate;
  return ClearChoice::Cancel;
}

bool frmMain::AskWhichFieldToClear() {
  switch (AskFieldToClear()) {
    case ClearChoice::FirstDate: txbFirstDate->clear(); return true;
    case ClearChoice::DateDiff: txbDateDiff->clear(); return true;
    case ClearChoice::SecondDate: txbSecondDate->clear(); return true;
    case ClearChoice::Cancel: break;
  }
  return false;
}

// ---------------------------------------------------------------------------------------
// ComputeHost
// ---------------------------------------------------------------------------------------

namespace {
QLineEdit* FieldOf(const frmMain& w, ComputeField field) {
  switch (field) {
    case ComputeField::FirstDate: return w.txbFirstDate;
    case ComputeField::DateDiff: return w.txbDateDiff;
    case ComputeField::SecondDate: return w.txbSecondDate;
  }
  return w.txbFirstDate;
}
}  // namespace

std::string frmMain::FieldText(ComputeField field) const {
  return FieldOf(*this, field)->text().toStdString();
}

void frmMain::SetFieldText(ComputeField field, std::string_view text) {
  FieldOf(*this, field)->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

std::int16_t frmMain::IncludeFirstDateValue() const { return chkIncludeFirstDate->isChecked() ? 1 : 0; }
std::int16_t frmMain::IncludeWeekendsValue() const { return chkIncludeWeekends->isChecked() ? 1 : 0; }
std::int16_t frmMain::VerboseValue() const { return chkVerbose->isChecked() ? 1 : 0; }
std::int16_t frmMain::HyphenValue() const { return chkHyphen->isChecked() ? 1 : 0; }
bool frmMain::DaysSelected() const { return optDays->isChecked(); }
void frmMain::SelectDays() { optDays->setChecked(true); }

void frmMain::AppendOutput(std::string_view text) {
  // The output window keeps its line breaks as single LF characters.
  QString added = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  added.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  GiveKeptFont(txbOutput);
  QTextCursor cursor(txbOutput->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(added);
}

void frmMain::MoveOutputCaretToEnd(bool beforeLastChar) {
  if (txbOutput->document()->isEmpty()) return;
  QTextCursor cursor = txbOutput->textCursor();
  cursor.movePosition(QTextCursor::End);
  if (beforeLastChar) cursor.movePosition(QTextCursor::PreviousCharacter);
  txbOutput->setTextCursor(cursor);
  txbOutput->ensureCursorVisible();
}

void frmMain::ShowComputeMessage(const std::string& text, const std::string& title, ComputeBox) {
  ShowMessage(this, Q(text), Q(title), MsgIcon::None, MsgButtons::Ok);
}

void frmMain::PutTodayIntoFirstDate() { cmdToday_Click(0); }
