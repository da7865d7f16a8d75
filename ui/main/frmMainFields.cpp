// SPDX-License-Identifier: MIT
// The input fields of the main window: their key handlers, the clear buttons, the spin
// buttons that step a date by one day, "Second -> First" and the hyphen option's rewrite.
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <string>

#include "compute/Compute.h"
#include "presentation/FieldDates.h"
#include "presentation/FieldKeys.h"
#include "ui/main/frmMain.h"

using namespace valdora;

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The text of a field without its leading and trailing blanks.
std::string TrimmedText(const QLineEdit* field) {
  const std::string text = field->text().toStdString();
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Ends a press held on a spin button. Its repeat would otherwise go on stepping behind the
// modal message that is about to open and swallow the button's release: one message per step.
void EndSpinPress(QScrollBar* spin) {
  if (spin == nullptr) return;
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(0, 0), spin->mapToGlobal(QPointF(0, 0)),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(spin, &release);
}

}  // namespace

// ---- Keys ----

int frmMain::txbFirstDate_KeyPress(int keyAscii) {
  if (keyAscii == KeyEnter) {
    cmdCompute_Click();
    return 0;
  }
  return FilterDateFieldKey(keyAscii, static_cast<std::size_t>(txbFirstDate->text().size()),
                            intMaxInputLength, DateSeparator, optFirstDateIsISO->isChecked());
}

int frmMain::txbSecondDate_KeyPress(int keyAscii) {
  if (keyAscii == KeyEnter) {
    cmdCompute_Click();
    return 0;
  }
  return FilterDateFieldKey(keyAscii, static_cast<std::size_t>(txbSecondDate->text().size()),
                            intMaxInputLength, DateSeparator, optSecondDateIsISO->isChecked());
}

int frmMain::txbDateDiff_KeyPress(int keyAscii) {
  if (keyAscii == KeyEnter) {
    cmdCompute_Click();
    return 0;
  }
  return FilterNumberFieldKey(keyAscii, static_cast<std::size_t>(txbDateDiff->text().size()),
                              intMaxInputLength, ThousandsSeparator);
}

// ---- Clear buttons ----

void frmMain::cmdClearFirstDate_Click() {
  txbFirstDate->clear();
  SetTheFocus();
}

void frmMain::cmdClearDateDiff_Click() {
  txbDateDiff->clear();
  SetTheFocus();
}

void frmMain::cmdClearSecondDate_Click() {
  txbSecondDate->clear();
  SetTheFocus();
}

// ---- Spin buttons ----

void frmMain::VScroll_Change(int index) {
  if (index != 0 && index != 1) return;
  QScrollBar* spin = VScroll[index];
  QLineEdit* field = index == 0 ? txbFirstDate : txbSecondDate;
  const int value = spin->value();
  if (field->text().isEmpty()) {
    // Back to rest as well, so that the next press on this arrow is not lost.
    if (value != 0) spin->setValue(0);
    SetTheFocus();
    return;
  }
  if (value == 0) return;  // the change made below when the spin goes back to rest
  const std::string text = TrimmedText(field);
  if (!text.empty()) {
    // The upper arrow lowers the scroll value and steps forward in time.
    const std::string stepped = StepDate(index + 1, text, -value);
    if (!stepped.empty()) field->setText(Q(stepped));
  }
  spin->setValue(0);
  txbDateDiff->clear();
  FocusDateField(index + 1);
}

std::string frmMain::StepDate(int which, const std::string& text, int delta) {
  std::string result;
  const FieldDateOutcome outcome =
      StepDateText(text, GetCal(which), FieldTextSettings(), delta, result);
  if (outcome != FieldDateOutcome::Written) EndSpinPress(VScroll[which == 1 ? 0 : 1]);
  switch (outcome) {
    case FieldDateOutcome::Written:
      return result;
    case FieldDateOutcome::NotValid:
      valdora::ShowComputeError(*this, which == 1 ? ComputeMessageKind::FirstDateNotValid
                                                  : ComputeMessageKind::SecondDateNotValid);
      return {};
    case FieldDateOutcome::InputOutOfRange:
      valdora::ShowComputeError(*this, which == 1 ? ComputeMessageKind::FirstDateOutOfRange
                                                  : ComputeMessageKind::SecondDateOutOfRange);
      return {};
    case FieldDateOutcome::ResultOutOfRange:
      valdora::ReportResultOutOfRange(*this);
      return text;
  }
  return {};
}

void frmMain::FocusDateField(int which) {
  QLineEdit* field = which == 1 ? txbFirstDate : which == 2 ? txbSecondDate : nullptr;
  if (field == nullptr) return;
  field->setFocus();
  field->end(false);
}

// ---- "Second -> First" ----

void frmMain::cmdMoveSecondDateToFirst_Click() {
  if (txbSecondDate->text().isEmpty()) {
    SetTheFocus();
    return;
  }
  std::string moved;
  const FieldDateOutcome outcome =
      ConvertDateText(TrimmedText(txbSecondDate), GetCal(2), GetCal(1), FieldTextSettings(), moved);
  switch (outcome) {
    case FieldDateOutcome::Written:
      txbFirstDate->setText(Q(moved));
      txbSecondDate->clear();
      txbDateDiff->end(false);
      txbDateDiff->setFocus();
      return;
    case FieldDateOutcome::NotValid:
    case FieldDateOutcome::InputOutOfRange:
      valdora::ShowComputeError(*this, outcome == FieldDateOutcome::NotValid
                                           ? ComputeMessageKind::SecondDateNotValid
                                           : ComputeMessageKind::SecondDateOutOfRange);
      txbSecondDate->end(false);
      txbSecondDate->setFocus();
      return;
    case FieldDateOutcome::ResultOutOfRange:
      // No ordinal date exists for that day: both fields stay as they are.
      valdora::ReportResultOutOfRange(*this);
      return;
  }
}

// ---- Hyphen option ----

void frmMain::chkHyphen_Click() {
  SetOrdinalCaption();
  const bool hyphen = chkHyphen->isChecked();
  for (QLineEdit* field : {txbFirstDate, txbSecondDate}) {
    const QString rewritten = Q(RewriteHyphenForm(TrimmedText(field), hyphen));
    if (rewritten != field->text()) field->setText(rewritten);
  }
  SetTheFocus();
}
