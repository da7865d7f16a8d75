// SPDX-License-Identifier: MIT
// The month window: one month of the Common Era or Julian calendar as a text calendar, with
// stepping through months and years, the first day of the week, an optional column of ISO
// 8601 week dates, and copying the whole display. Modeless; one instance, built on first use:
// what the main window writes into it before then (its options, its captions) is kept and
// taken over by the load.
#pragma once

#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/DateTypes.h"
#include "engine/WorkingCalendar.h"

class QCheckBox;
class QCloseEvent;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace valdora {

class frmDisplayMonth : public QWidget {
  Q_OBJECT

 public:
  // The one month window, created and loaded on first use (not shown).
  static frmDisplayMonth& instance();
  // True while a month window is loaded.
  static bool exists();
  // Destroys the month window and forgets what was kept for its load; the next instance()
  // loads a fresh one.
  static void unload();

  // The main window's captions in `language` (presentation/CaptionTable): written into the
  // loaded window, or kept for the next load.
  static void ApplyCaptions(std::int16_t language);
  // Chooses Monday or Sunday first and the Julian or Common Era calendar: in the loaded
  // window, or kept for the next load.
  static void SetOptions(bool monday, bool julian);
  // The options of the loaded window, else those kept for its load, else Sunday and CE.
  static void GetOptions(bool& monday, bool& julian);

  ~frmDisplayMonth() override;

  // ---- Controls (objectName = member name; the array is "cmdDisplayNextMonth(0)"/"(1)") ----
  QLabel* lblMonth = nullptr;
  QComboBox* cboMonths = nullptr;
  QLabel* lblYear = nullptr;
  QLineEdit* txbYear = nullptr;
  QLabel* lblCalendar = nullptr;
  QRadioButton* optJulian = nullptr;
  QRadioButton* optCommonEra = nullptr;
  QLabel* lblFirstDayOfWeek = nullptr;
  QRadioButton* optSunday = nullptr;
  QRadioButton* optMonday = nullptr;
  QPushButton* cmdDisplay = nullptr;
  std::array<QPushButton*, 2> cmdDisplayNextMonth{};  // 0 next month, 1 previous month
  QPushButton* cmdCopyToClipboard = nullptr;
  QPlainTextEdit* txbMonth = nullptr;
  QPushButton* cmdShowHideISO = nullptr;
  QCheckBox* chkWithYear = nullptr;
  QPlainTextEdit* txbISODates = nullptr;
  QPushButton* cmdClose = nullptr;

  // ---- Window-level variables ----
  bool blnISOShown = false;            // the ISO column is visible
  std::int16_t intNumWeeks = 0;        // week rows of the last grid
  valdora::Jdn lngFirstCellJDN = 0;    // top-left cell of the last grid
  // Given by the owner: the working calendar for the days [first, last] whose rest days and
  // holidays the grid marks, or nullptr for no marks (the default working week).
  std::function<const valdora::WorkingCalendar*(std::int64_t first, std::int64_t last)>
      WorkingDays;

  // Lays the month out again from the controls (nothing while the window is hidden); an
  // unreadable year leaves the grid as it is, with the year message when `askForYear`.
  void DisplayMonth(bool askForYear = true);
  // Writes the ISO column for the last grid.
  void DisplayISOWeekDates();
  // Show/hide button and year-digit box enabled exactly for Common Era with Monday first.
  void SetISOControlsEnabled();
  // The text the copy button puts on the clipboard.
  std::string CopyText() const;

  void Form_Load();
  void Form_Activate();
  void cmdDisplay_Click();
  void cboMonths_Click();
  void txbYear_KeyUp(int keyCode);
  void cmdDisplayNextMonth_Click(int index);
  void optCalendarOrFirstDay_Click();  // optCommonEra, optJulian, optSunday, optMonday
  void cmdShowHideISO_Click();
  void chkWithYear_Click();
  void cmdCopyToClipboard_Click();
  void cmdClose_Click();

 signals:
  // The window was closed (its Close button or its frame): the owner takes the focus back.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  frmDisplayMonth();
  void BuildControls();
  void ConnectControls();
  void FillMonths();
  void ShowYearMessage();
  // The show/hide action's two halves; the window height follows the height rule.
  void HideISOColumn();
  void ShowISOColumn();
  void FocusWindowChanged(QWindow* window);
  // Checks Monday or Sunday first and the Julian or Common Era calendar.
  void CheckOptions(bool monday, bool julian);

  QGroupBox* fraCalendar = nullptr;
  QGroupBox* fraFirstDay = nullptr;
  QPointer<QWindow> lastFocusWindow;   // the application's previous active window
  bool enterPressedInYear = false;     // Enter went down in txbYear (its key up counts)
  bool blnHoldISOControls = false;     // SetOptions is writing the options
};

}  // namespace valdora
