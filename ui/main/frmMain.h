// SPDX-License-Identifier: MIT
// The main window: the three input fields with their calendar options, the format and
// separator options, the computation options, the output window, today's date and the links.
// It owns the user's working state and is the ComputeHost of the Compute command.
//
// Its procedures are spread over several files, one subject each: frmMainControls.cpp
// (building, laying out and wiring the controls), frmMain.cpp (options, re-expression, the
// ComputeHost side), frmMainStartUp.cpp (start-up, reset, quit, the user file), frmMainFields.cpp, frmMainToday.cpp, frmMainOutput.cpp, frmMainCaptions.cpp,
// ui/month/frmMainDisplayMonth.cpp, ui/output/frmMainEnlarge.cpp, ui/help/frmMainHelp.cpp.
// A .cpp defining frmMain procedures must include a Qt header itself (e.g. <QWidget>) so that
// the build puts it into the Qt library.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "compute/Compute.h"
#include "compute/ComputeHost.h"
#include "engine/CalendarText.h"
#include "engine/DateTypes.h"
#include "presentation/WorkingWeekFile.h"

namespace valdora {
class WorkingCalendarSource;
}

class QButtonGroup;
class QCheckBox;
class QCloseEvent;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace valdora {

class frmMain : public QWidget, public ComputeHost {
  Q_OBJECT

 public:
  // Builds the controls only; Form_Load brings the window to life.
  explicit frmMain(QWidget* parent = nullptr);
  ~frmMain() override;

  // ---- Controls (objectName = member name; arrays are named "cmdToday(0)" etc.) ----
  QLineEdit* txbFirstDate = nullptr;
  QLineEdit* txbDateDiff = nullptr;
  QLineEdit* txbSecondDate = nullptr;
  QLabel* lblFirstDate = nullptr;
  QLabel* lblDateDifference = nullptr;
  QLabel* lblSecondDate = nullptr;
  QPushButton* cmdClearFirstDate = nullptr;
  QPushButton* cmdClearDateDiff = nullptr;
  QPushButton* cmdClearSecondDate = nullptr;
  std::array<QPushButton*, 2> cmdToday{};   // 0 under the first date, 1 under the second
  std::array<QScrollBar*, 2> VScroll{};     // spin buttons, range -1..1, resting at 0
  QPushButton* cmdMoveSecondDateToFirst = nullptr;

  // Frame1/Frame2: calendar options of the first/second date; Frame3: the input fields;
  // Frame4: thousands separator; Frame5: days/months; Frame6: the check boxes.
  QGroupBox* Frame1 = nullptr;
  QGroupBox* Frame2 = nullptr;
  QGroupBox* Frame3 = nullptr;
  QGroupBox* Frame4 = nullptr;
  QGroupBox* Frame5 = nullptr;
  QGroupBox* Frame6 = nullptr;
  QGroupBox* frmDateFormat = nullptr;
  QGroupBox* frmDateSeparator = nullptr;
  std::array<QLabel*, 2> lblThisIsA{};      // heads of Frame1 and Frame2

  QRadioButton* optFirstDateIsCE = nullptr;
  QRadioButton* optFirstDateIsJC = nullptr;
  QRadioButton* optFirstDateIsISO = nullptr;
  QRadioButton* optFirstDateIsJDN = nullptr;
  QRadioButton* optFirstDateIsORD = nullptr;
  QRadioButton* optFirstDateIsLPM = nullptr;
  QRadioButton* optFirstDateIsLPW = nullptr;
  QRadioButton* optSecondDateIsCE = nullptr;
  QRadioButton* optSecondDateIsJC = nullptr;
  QRadioButton* optSecondDateIsISO = nullptr;
  QRadioButton* optSecondDateIsJDN = nullptr;
  QRadioButton* optSecondDateIsORD = nullptr;
  QRadioButton* optSecondDateIsLPM = nullptr;
  QRadioButton* optSecondDateIsLPW = nullptr;

  QLabel* lblDateFormat = nullptr;
  QRadioButton* optDateFormatIsYMD = nullptr;
  QRadioButton* optDateFormatIsDMY = nullptr;
  QRadioButton* optDateFormatIsMDY = nullptr;
  QLabel* lblDateSeparator = nullptr;
  QRadioButton* optSeparatorIsDash = nullptr;
  QRadioButton* optSeparatorIsSlash = nullptr;
  QRadioButton* optSeparatorIsDot = nullptr;
  QLabel* lblThousandsSeparator = nullptr;
  QRadioButton* optThousSepIsComma = nullptr;
  QRadioButton* optThousSepIsDot = nullptr;
  QRadioButton* optThousSepNone = nullptr;
  QRadioButton* optDays = nullptr;
  QRadioButton* optMonths = nullptr;

  QCheckBox* chkIncludeFirstDate = nullptr;
  QCheckBox* chkIncludeWeekends = nullptr;
  QPushButton* cmdWorkingWeek = nullptr;    // opens the working-week dialog
  QCheckBox* chkVerbose = nullptr;
  QCheckBox* chkHyphen = nullptr;
  QLabel* lblHyphen = nullptr;
  QCheckBox* chkSaveOutput = nullptr;

  QPushButton* cmdCompute = nullptr;
  QPushButton* cmdDisplayMonth = nullptr;
  QPushButton* cmdHelp = nullptr;
  QPushButton* cmdReset = nullptr;
  QPushButton* cmdQuit = nullptr;

  QPlainTextEdit* txbOutput = nullptr;
  QPushButton* cmdEnlarge = nullptr;
  QPushButton* cmdClearOutputWindow = nullptr;
  QPushButton* cmdCopyOutput = nullptr;
  QWidget* outputColumn = nullptr;          // holds the three buttons beside the output

  std::array<QLabel*, 2> lblTodaysDate{};
  std::array<QLabel*, 2> lblWeekFromToday{};
  QLabel* lblOnlineDocumentation = nullptr;
  QLabel* lblOstrandSystems = nullptr;

  QTimer* Clock = nullptr;

  // ---- Window-level variables ----
  bool blnStartUpCompleted = false;       // false until the last step of start-up
  std::int16_t intFirstDateOptCal = valdora::CE;
  std::int16_t intSecondDateOptCal = valdora::CE;
  std::int16_t intOldCal = valdora::CE;   // handed to ReExpressDate
  std::int16_t intNewCal = valdora::CE;
  std::string strDateToReExpress;
  std::string strReExpressedDate;
  bool blnRevertingCalOption = false;     // true only inside a revert
  std::int16_t intTodayCal = valdora::CE; // calendar of the today labels; saved
  std::int16_t intMaxInputLength = 18;
  std::string strUserFile;                // full path of vdr.usr
  static constexpr const char* DefaultProgramTextFile = "vdr.dat";
  std::string strProgramTextFile = DefaultProgramTextFile;

  // The state of the Compute command (compute/Compute.h): its inputs as the last Compute
  // read them (ReadComputeOptions, SetNoDateDiffandSameCal), the dates and the day count it
  // left.
  valdora::ComputeState computeState;

  // ---- Queries and state (frmMain.cpp) ----
  // Calendar of the first date (which == 1) or the second (any other value).
  valdora::CalendarCode GetCal(int which) const override;
  // The date format of the format options.
  valdora::DateFormat UsersDateFormat() const override;
  // How the date fields are written and read now: the format and hyphen options with the
  // program-wide separators. Built once per action.
  valdora::DateTextSettings FieldTextSettings() const;
  // Focus where the user most likely continues; nothing during start-up or while disabled.
  void SetTheFocus() override;
  void ClearInputFields();
  void FirstDateCalChanged(std::int16_t code);
  void SecondDateCalChanged(std::int16_t code);
  void DateCalChanged(QLineEdit* field, std::int16_t& optCal, std::int16_t code,
                      void (frmMain::*revert)(bool));
  // strDateToReExpress from intOldCal into intNewCal; result in strReExpressedDate.
  void ReExpressDate(bool& ok, bool& showMessage);
  void RevertFirstDateCal(bool showMessage);
  void RevertSecondDateCal(bool showMessage);
  // Selects the option of calendar `code` in group 1 or 2 (CE for an unknown code when
  // `ceIfUnknown`, else nothing); selecting runs the option's click behaviour.
  void SelectCalOption(int which, std::int16_t code, bool ceIfUnknown);

  void optDateFormatIsYMD_Click();
  void optDateFormatIsDMY_Click();
  void optDateFormatIsMDY_Click();
  void optSeparator_Click(const char* separator);  // optSeparatorIsDash/Slash/Dot
  void optThousSep_Click(const char* separator);   // optThousSepIsComma/Dot/None
  void optDays_Click();
  void optMonths_Click();
  void chkOption_Click();  // chkIncludeFirstDate, chkIncludeWeekends, chkVerbose, chkSaveOutput

  void ReadComputeOptions();
  void SetNoDateDiffandSameCal();
  void cmdCompute_Click();
  // Shows the clear-field dialog; true when it emptied a field.
  bool AskWhichFieldToClear();
  void lblOnlineDocumentation_Click();
  void lblOstrandSystems_Click();

  // ---- Start-up, reset, quit, user file (frmMainStartUp.cpp) ----
  // Loads the program text file `fileName`; false (after the loader's message) when it could
  // not be loaded.
  static bool LoadProgramTexts(const std::string& fileName);
  // Loads the program texts (unless the caller has: `textsLoaded`) and starts the window;
  // false (after the loader's message) when the program texts could not be loaded; the caller
  // then ends the program.
  bool Form_Load(bool textsLoaded = false);
  void InitialiseProgram();
  void SetStartValues();
  void SetDefaultOptions();
  void RestoreSettings();
  // Writes the user file; false when the file could not be written (nothing is shown).
  bool SaveSettings();
  void cmdReset_Click();
  void cmdQuit_Click();
  void Form_Unload();

  // ---- Working week and holidays (frmMainWorkingWeek.cpp) ----
  std::string strWorkingWeekFile;         // full path of the working-week file
  // The working week and holiday files chosen; `workingCalendar` is built from them.
  valdora::WorkingWeekSettings WorkingWeek;
  // Takes `settings` as the working week: reads its holiday files (a file that cannot be
  // read makes computations with weekend days not counted fail with its reason) and
  // redraws an open month window.
  void SetWorkingWeek(const valdora::WorkingWeekSettings& settings);
  void RestoreWorkingWeek();
  // Writes the working-week file (removed when the choice is the default); false on failure.
  bool SaveWorkingWeek();
  void cmdWorkingWeek_Click();
  // The working calendar for the days [first, last] while it is not the default; nullptr
  // otherwise or when it cannot be known (for the month window's marks).
  const valdora::WorkingCalendar* MarkedCalendarWithin(std::int64_t first, std::int64_t last);

  // ---- Input fields (frmMainFields.cpp) ----
  // Key handlers: the key code in (Enter 13, Backspace 8, copy 3, paste 22, cut 24, else the
  // character), the key code to insert out; 0 drops the key.
  int txbFirstDate_KeyPress(int keyAscii);
  int txbDateDiff_KeyPress(int keyAscii);
  int txbSecondDate_KeyPress(int keyAscii);
  void cmdClearFirstDate_Click();
  void cmdClearDateDiff_Click();
  void cmdClearSecondDate_Click();
  void VScroll_Change(int index);
  // The date `text` of field `which` (1, 2) moved by `delta` days; empty if nothing changes.
  std::string StepDate(int which, const std::string& text, int delta);
  void FocusDateField(int which);
  void cmdMoveSecondDateToFirst_Click();
  void chkHyphen_Click();

  // ---- Today and clock (frmMainToday.cpp) ----
  void ShowTodaysDate();
  void NextTodayCal();
  void PreviousTodayCal();
  // button: 1 left, 2 right, 4 middle.
  void lblTodaysDate_MouseUp(int index, int button);
  void lblWeekFromToday_MouseUp(int index, int button);
  void cmdToday_Click(int index);
  void Clock_Timer();
  // ---- BEGIN fields-and-today ----
  // The day the today labels show; the clock redraws them once the local date moves on.
  valdora::Jdn lngTodayShownJdn = 0;
  // ---- END fields-and-today ----

  // ---- Output window (frmMainOutput.cpp) ----
  void SetCopyOutputButton();
  void CopyOutputToClipboard();
  void cmdCopyOutput_Click();
  void txbOutput_MouseUp();
  int txbOutput_KeyPress(int keyAscii);
  void cmdClearOutputWindow_Click();

  // ---- Secondary windows (their own folders) ----
  void cmdEnlarge_Click();
  void cmdDisplayMonth_Click();
  // The month or the help window was closed: back to this window's first date.
  void SecondaryWindowClosed();
  void cmdHelp_Click();
  // Where the help window opens: its client area over this window, from just above the today
  // labels down to 125 twips above the bottom edge, as wide as this window (screen pixels).
  QRect HelpWindowPlace() const;

  // ---- Captions and colours (frmMainCaptions.cpp) ----
  void ApplyCaptions();
  void SetOrdinalCaption();
  void ApplyColours();
  void SetLanguageDependentText();

  // ---- ComputeHost ----
  std::string FieldText(valdora::ComputeField field) const override;
  void SetFieldText(valdora::ComputeField field, std::string_view text) override;
  std::int16_t IncludeFirstDateValue() const override;
  std::int16_t IncludeWeekendsValue() const override;
  std::int16_t VerboseValue() const override;
  std::int16_t HyphenValue() const override;
  bool DaysSelected() const override;
  void SelectDays() override;
  void AppendOutput(std::string_view text) override;
  void MoveOutputCaretToEnd(bool beforeLastChar) override;
  void ShowComputeMessage(const std::string& text, const std::string& title,
                          valdora::ComputeBox box) override;
  // Shows the clear-field dialog and tells the choice; empties nothing.
  valdora::ClearChoice AskFieldToClear() override;
  void PutTodayIntoFirstDate() override;
  const valdora::WorkingCalendar* WorkingCalendarWithin(std::int64_t first, std::int64_t last,
                                                        std::string& problem) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void ConnectControls();
  // Runs a key handler on a key event; true when the event was consumed.
  bool FilterKey(QObject* watched, QKeyEvent* event);
  // A click with `button` (1 left, 2 right, 4 middle) on a today label or a link label.
  void LabelClicked(QObject* watched, int button);

  QButtonGroup* grpFirstCal = nullptr;
  QButtonGroup* grpSecondCal = nullptr;
  QButtonGroup* grpDateFormat = nullptr;
  QButtonGroup* grpSeparator = nullptr;
  QButtonGroup* grpThousSep = nullptr;
  QButtonGroup* grpUnit = nullptr;
  bool blnQuitting = false;  // Quit has run; the close that follows only closes
  std::unique_ptr<valdora::WorkingCalendarSource> workingCalendar;
  std::string workingCalendarProblem;  // why a holiday file of WorkingWeek could not be read
};

}  // namespace valdora
