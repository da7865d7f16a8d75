// SPDX-License-Identifier: MIT
// Start-up, reset and quit of the main window, and the user file that keeps the settings
// (and, if asked, the inputs and the output) between runs.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QThread>
#include <QTimer>

#include "compute/Compute.h"
#include "text/GenText.h"
#include "text/Language.h"
#include "ui/common/FocusFrameStyle.h"
#include "ui/common/FontOnFirstUse.h"
#include "ui/common/MessageBox.h"
#include "ui/common/WidgetReport.h"
#include "ui/common/folder.h"
#include "ui/common/frmClearOneTextBox.h"
#include "ui/common/weblink.h"
#include "presentation/UserFile.h"
#include "ui/main/frmMain.h"

#include "ui/help/frmHelp.h"
#include "ui/month/frmDisplayMonth.h"
#include "ui/output/frmLargeDisplay.h"

using namespace valdora;

namespace {
QString Q(const std::string& text) { return QString::fromStdString(text); }

// Output text as kept in the window: line breaks as single LF.
QString NormalisedLineBreaks(const std::string& text) {
  QString result = Q(text);
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return result;
}

void SetChecked(QCheckBox* box, std::int16_t value) { box->setChecked(value == 1); }

}  // namespace

bool frmMain::LoadProgramTexts(const std::string& fileName) {
  std::string message;
  if (LoadProgramText(fileName, message) >= 1) return true;
  ShowMessage(nullptr, Q(message), QString(), MsgIcon::Critical, MsgButtons::Ok);
  return false;
}

bool frmMain::Form_Load(bool textsLoaded) {
  blnStartUpCompleted = false;
  UseFocusFrameStyle();
  StartWidgetReportFromEnvironment();
  if (!textsLoaded && !LoadProgramTexts(strProgramTextFile)) return false;
  InitialiseProgram();
  ApplyCaptions();
  intTextLanguage = intEnglish;
  cmdCopyOutput->setVisible(false);
  cmdClearOutputWindow->setVisible(false);
  cmdEnlarge->setVisible(false);
  show();
  cmdCopyOutput->setEnabled(true);
  SetCopyOutputButton();
  txbFirstDate->setFocus();
  RestoreSettings();
  Clock->start(1000);
  txbFirstDate->setFocus();
  txbFirstDate->setCursorPosition(txbFirstDate->text().size());
  chkSaveOutput->setVisible(true);
  cmdCopyOutput->setVisible(false);
  blnStartUpCompleted = true;
  ShowTodaysDate();
  return true;
}

void frmMain::InitialiseProgram() {
  intTextLanguage = intEnglish;
  GenerateText();
  DateSeparator.assign(1, '-');
  ThousandsSeparator.assign(1, ',');
  SetStartValues();
  ApplyColours();
  SetDefaultOptions();
}

void frmMain::SetStartValues() {
  strUserFile = AppDataFilePath("vdr.usr", ProgramText(310));
  txbFirstDate->clear();
  txbDateDiff->clear();
  txbSecondDate->clear();
  txbOutput->clear();
  optFirstDateIsCE->setChecked(true);
  optSecondDateIsCE->setChecked(true);
  intMaxInputLength = 18;
}

void frmMain::SetDefaultOptions() {
  intLanguage = intEnglish;
  optDateFormatIsYMD->setChecked(true);
  optSeparatorIsDash->setChecked(true);
  optThousSepIsComma->setChecked(true);
  intTodayCal = CE;
  optFirstDateIsCE->setChecked(true);
  optSecondDateIsCE->setChecked(true);
  optDays->setChecked(true);
  chkIncludeFirstDate->setChecked(false);
  chkIncludeWeekends->setChecked(true);
  chkVerbose->setChecked(true);
  chkHyphen->setChecked(true);
  chkSaveOutput->setChecked(true);
  frmDisplayMonth::SetOptions(false, false);
  txbFirstDate->clear();
  txbDateDiff->clear();
  txbSecondDate->clear();
  txbOutput->clear();
}

void frmMain::RestoreSettings() {
  RestoreWorkingWeek();
  UserSettings settings;
  const UserFileStatus status = LoadUserFile(strUserFile, settings);
  if (status == UserFileStatus::Damaged) {
    SetDefaultOptions();
  } else {
    intLanguage = settings.language;
    intTodayCal = settings.todayCal;
    SetChecked(chkIncludeFirstDate, settings.includeFirstDate);
    SetChecked(chkIncludeWeekends, settings.includeWeekends);
    SetChecked(chkVerbose, settings.verbose);
    SetChecked(chkHyphen, settings.hyphen);
    SetChecked(chkSaveOutput, settings.saveOutput);
    frmDisplayMonth::SetOptions(settings.firstDayOfWeek == "Mon", settings.monthCalendar == "JC");
    // Format and separators come before the texts: their click behaviour empties the fields.
    switch (settings.dateFormat) {
      case MDY: optDateFormatIsMDY->setChecked(true); break;
      case DMY: optDateFormatIsDMY->setChecked(true); break;
      default: optDateFormatIsYMD->setChecked(true); break;
    }
    switch (settings.dateSeparator) {
      case 46: optSeparatorIsDot->setChecked(true); break;
      case 47: optSeparatorIsSlash->setChecked(true); break;
      default: optSeparatorIsDash->setChecked(true); break;
    }
    if (settings.thousandsSeparator == 0) optThousSepNone->setChecked(true);
    else if (settings.thousandsSeparator == 46) optThousSepIsDot->setChecked(true);
    else optThousSepIsComma->setChecked(true);
    SelectCalOption(1, settings.firstCal, true);
    SelectCalOption(2, settings.secondCal, true);
    txbFirstDate->setText(Q(settings.firstDate));
    txbDateDiff->setText(Q(settings.dateDiff));
    txbSecondDate->setText(Q(settings.secondDate));
    if (!settings.output.empty()) GiveKeptFont(txbOutput);
    txbOutput->setPlainText(NormalisedLineBreaks(settings.output));
    txbOutput->moveCursor(QTextCursor::End);
    (settings.unit == 1 ? optMonths : optDays)->setChecked(true);
  }
  // The captions were written in English before the settings were known.
  SetLanguageDependentText();
  update();
}

bool frmMain::SaveSettings() {
  UserSettings s;
  s.language = intLanguage;
  s.dateFormat = UsersDateFormat();
  s.dateSeparator = DateSeparator.empty() ? 45 : static_cast<unsigned char>(DateSeparator[0]);
  s.thousandsSeparator =
      ThousandsSeparator.empty() ? 0 : static_cast<unsigned char>(ThousandsSeparator[0]);
  s.todayCal = intTodayCal;
  s.firstCal = GetCal(1);
  s.secondCal = GetCal(2);
  s.includeFirstDate = chkIncludeFirstDate->isChecked() ? 1 : 0;
  s.includeWeekends = chkIncludeWeekends->isChecked() ? 1 : 0;
  s.verbose = chkVerbose->isChecked() ? 1 : 0;
  s.hyphen = chkHyphen->isChecked() ? 1 : 0;
  s.saveOutput = chkSaveOutput->isChecked() ? 1 : 0;
  bool monday = false;
  bool julian = false;
  frmDisplayMonth::GetOptions(monday, julian);
  s.firstDayOfWeek = monday ? "Mon" : "Sun";
  s.monthCalendar = julian ? "JC" : "CE";
  if (s.saveOutput == 1) {
    s.firstDate = txbFirstDate->text().toStdString();
    s.dateDiff = txbDateDiff->text().toStdString();
    s.secondDate = txbSecondDate->text().toStdString();
    s.output = txbOutput->toPlainText().toStdString();
  }
  s.unit = optDays->isChecked() ? 0 : 1;

  // The folder is made again should it have gone while the program ran.
  QDir().mkpath(QFileInfo(Q(strUserFile)).absolutePath());
  return SaveUserFile(strUserFile, s);
}

void frmMain::cmdReset_Click() {
  const QString prompt = Q(ProgramText(18)) + QStringLiteral("\r\n") + Q(ProgramText(19)) +
                         QStringLiteral("\r\n\r\n") + Q(ProgramText(20));
  const auto answer = ShowMessage(this, prompt, cmdReset->text(), MsgIcon::None,
                                  MsgButtons::YesNo, QMessageBox::No);
  if (answer == QMessageBox::Yes) {
    QFile::remove(Q(strUserFile));
    SetWorkingWeek(WorkingWeekSettings{});
    SaveWorkingWeek();
    const std::int16_t shownLanguage = intLanguage;
    SetDefaultOptions();
    // The defaults are in English; captions still in another language would not match them.
    if (intLanguage != shownLanguage) SetLanguageDependentText();
  }
  SetTheFocus();
}

void frmMain::cmdQuit_Click() {
  SaveSettings();  // a failed save is not reported
  SaveWorkingWeek();
  blnQuitting = true;
  Clock->stop();
  // Every window closes and the program ends; the two that may never have been built also
  // forget what was kept for their load.
  frmDisplayMonth::unload();
  if (frmLargeDisplay::exists()) frmLargeDisplay::unload();
  if (frmHelp::exists()) frmHelp::unload();
  frmClearOneTextBox::unload();
  close();
  QApplication::closeAllWindows();
  // Ends the running event loop. Without one (the window driven directly) nothing is to end,
  // and an exit now would make every later event loop return at once.
  if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

void frmMain::Form_Unload() {
  if (!blnQuitting) cmdQuit_Click();
}

void frmMain::lblOnlineDocumentation_Click() { OpenWebPage(UserManualAddress(intLanguage)); }

void frmMain::lblOstrandSystems_Click() { OpenWebPage(PublisherAddress()); }
