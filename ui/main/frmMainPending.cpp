// Placeholders for main-window procedures whose real definitions live in their own files
// (frmMainFields.cpp, frmMainToday.cpp, frmMainOutput.cpp, frmMainCaptions.cpp and the
// month, output and help folders). Whoever writes the real one deletes its block here in
// the same commit.
#include <QWidget>
#include <string>

#include "ui/main/frmMain.h"

// ---- BEGIN txbFirstDate_KeyPress ----
int frmMain::txbFirstDate_KeyPress(int keyAscii) {
  return keyAscii;
}
// ---- END txbFirstDate_KeyPress ----

// ---- BEGIN txbDateDiff_KeyPress ----
int frmMain::txbDateDiff_KeyPress(int keyAscii) {
  return keyAscii;
}
// ---- END txbDateDiff_KeyPress ----

// ---- BEGIN txbSecondDate_KeyPress ----
int frmMain::txbSecondDate_KeyPress(int keyAscii) {
  return keyAscii;
}
// ---- END txbSecondDate_KeyPress ----

// ---- BEGIN cmdClearFirstDate_Click ----
void frmMain::cmdClearFirstDate_Click() {
}
// ---- END cmdClearFirstDate_Click ----

// ---- BEGIN cmdClearDateDiff_Click ----
void frmMain::cmdClearDateDiff_Click() {
}
// ---- END cmdClearDateDiff_Click ----

// ---- BEGIN cmdClearSecondDate_Click ----
void frmMain::cmdClearSecondDate_Click() {
}
// ---- END cmdClearSecondDate_Click ----

// ---- BEGIN VScroll_Change ----
void frmMain::VScroll_Change(int index) {
  (void)index;
}
// ---- END VScroll_Change ----

// ---- BEGIN StepDate ----
std::string frmMain::StepDate(int which, const std::string& text, int delta) {
  (void)which;
  (void)text;
  (void)delta;
  return {};
}
// ---- END StepDate ----

// ---- BEGIN FocusDateField ----
void frmMain::FocusDateField(int which) {
  (void)which;
}
// ---- END FocusDateField ----

// ---- BEGIN cmdMoveSecondDateToFirst_Click ----
void frmMain::cmdMoveSecondDateToFirst_Click() {
}
// ---- END cmdMoveSecondDateToFirst_Click ----

// ---- BEGIN chkHyphen_Click ----
void frmMain::chkHyphen_Click() {
}
// ---- END chkHyphen_Click ----

// ---- BEGIN ShowTodaysDate ----
void frmMain::ShowTodaysDate() {
  if (!blnStartUpCompleted) return;
}
// ---- END ShowTodaysDate ----

// ---- BEGIN NextTodayCal ----
void frmMain::NextTodayCal() {
}
// ---- END NextTodayCal ----

// ---- BEGIN PreviousTodayCal ----
void frmMain::PreviousTodayCal() {
}
// ---- END PreviousTodayCal ----

// ---- BEGIN lblTodaysDate_MouseUp ----
void frmMain::lblTodaysDate_MouseUp(int index, int button) {
  (void)index;
  (void)button;
}
// ---- END lblTodaysDate_MouseUp ----

// ---- BEGIN lblWeekFromToday_MouseUp ----
void frmMain::lblWeekFromToday_MouseUp(int index, int button) {
  (void)index;
  (void)button;
}
// ---- END lblWeekFromToday_MouseUp ----

// ---- BEGIN cmdToday_Click ----
void frmMain::cmdToday_Click(int index) {
  (void)index;
}
// ---- END cmdToday_Click ----

// ---- BEGIN Clock_Timer ----
void frmMain::Clock_Timer() {
}
// ---- END Clock_Timer ----

// ---- BEGIN SetCopyOutputButton ----
void frmMain::SetCopyOutputButton() {
}
// ---- END SetCopyOutputButton ----

// ---- BEGIN CopyOutputToClipboard ----
void frmMain::CopyOutputToClipboard() {
}
// ---- END CopyOutputToClipboard ----

// ---- BEGIN cmdCopyOutput_Click ----
void frmMain::cmdCopyOutput_Click() {
}
// ---- END cmdCopyOutput_Click ----

// ---- BEGIN txbOutput_MouseUp ----
void frmMain::txbOutput_MouseUp() {
}
// ---- END txbOutput_MouseUp ----

// ---- BEGIN txbOutput_KeyPress ----
int frmMain::txbOutput_KeyPress(int keyAscii) {
  return keyAscii;
}
// ---- END txbOutput_KeyPress ----

// ---- BEGIN cmdClearOutputWindow_Click ----
void frmMain::cmdClearOutputWindow_Click() {
}
// ---- END cmdClearOutputWindow_Click ----

// ---- BEGIN cmdEnlarge_Click ----
void frmMain::cmdEnlarge_Click() {
}
// ---- END cmdEnlarge_Click ----

// ---- BEGIN cmdDisplayMonth_Click ----
void frmMain::cmdDisplayMonth_Click() {
}
// ---- END cmdDisplayMonth_Click ----

// ---- BEGIN cmdHelp_Click ----
void frmMain::cmdHelp_Click() {
}
// ---- END cmdHelp_Click ----

// ---- BEGIN ApplyCaptions ----
void frmMain::ApplyCaptions() {
}
// ---- END ApplyCaptions ----

// ---- BEGIN SetOrdinalCaption ----
void frmMain::SetOrdinalCaption() {
}
// ---- END SetOrdinalCaption ----

// ---- BEGIN ApplyColours ----
void frmMain::ApplyColours() {
}
// ---- END ApplyColours ----

// ---- BEGIN SetLanguageDependentText ----
void frmMain::SetLanguageDependentText() {
}
// ---- END SetLanguageDependentText ----
