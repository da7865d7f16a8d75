// SPDX-License-Identifier: MIT
// The working-week dialog: which weekdays are working days (at least one stays checked) and
// which holiday files add holidays, each shown with the number of holidays it gave or the
// reason it could not be read. Modal; the owner passes in its choice and takes the new one
// back when the dialog is accepted.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "presentation/WorkingWeekFile.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

class frmWorkingWeek : public QDialog {
  Q_OBJECT

 public:
  // The dialog showing `settings`, its captions in `language`.
  frmWorkingWeek(const valdora::WorkingWeekSettings& settings, std::int16_t language,
                 QWidget* parent = nullptr);

  // The working week and holiday files as the dialog shows them.
  valdora::WorkingWeekSettings Choice() const;
  // Lists the holiday file at `path` with what it gave (Add does this with the file the
  // user chose); a file listed already is only selected. False, with the reason shown in
  // lblProblem, for a path the working-week file cannot keep.
  bool AddHolidayFile(const std::string& path);

  // ---- Controls (objectName = member name; the array is "chkWorkingDay(0)".."(6)") ----
  QLabel* lblWorkingWeekdays = nullptr;
  std::array<QCheckBox*, 7> chkWorkingDay{};  // by weekday, 0 Sunday .. 6 Saturday
  QLabel* lblHolidayFiles = nullptr;
  QListWidget* lstHolidayFiles = nullptr;  // one row per file: path and what it gave
  QPushButton* cmdAddHolidayFile = nullptr;
  QPushButton* cmdRemoveHolidayFile = nullptr;
  QLabel* lblProblem = nullptr;  // why the last change was refused; else empty
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;

  void chkWorkingDay_Click(int day);
  void cmdAddHolidayFile_Click();
  void cmdRemoveHolidayFile_Click();

 private:
  void ShowProblem(const char* english);
  std::vector<std::string> paths_;  // the rows of lstHolidayFiles, in order
  std::int16_t language_;
};
