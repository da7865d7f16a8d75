// SPDX-License-Identifier: MIT
// The main window's working week: the "Working week…" dialog, the working-week file beside
// the user file, and the working calendar the Compute command and the month window use.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QWidget>

#include "holidays/WorkingCalendarSource.h"
#include "text/Language.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmWorkingWeek.h"
#include "ui/month/frmDisplayMonth.h"

using namespace valdora;

void frmMain::SetWorkingWeek(const WorkingWeekSettings& settings) {
  WorkingWeek = settings;
  auto source = std::make_unique<WorkingCalendarSource>();
  if (!source->SetWorkingWeek(settings.week)) WorkingWeek.week = kMondayToFriday;
  workingCalendarProblem.clear();
  for (const std::string& path : settings.holidayFiles) {
    std::string problem;
    // A file that cannot be read is kept in the list (the dialog shows why); computing
    // without its holidays would give a wrong count, so the first such reason is the answer.
    if (!source->AddHolidayFile(path, problem) && workingCalendarProblem.empty())
      workingCalendarProblem = problem;
  }
  workingCalendar = std::move(source);
  if (frmDisplayMonth::exists()) frmDisplayMonth::instance().DisplayMonth(false);
}

void frmMain::RestoreWorkingWeek() {
  strWorkingWeekFile = QFileInfo(QString::fromStdString(strUserFile))
                           .dir()
                           .filePath(kWorkingWeekFileName)
                           .toStdString();
  WorkingWeekSettings settings;
  LoadWorkingWeekFile(strWorkingWeekFile, settings);  // a damaged file gives the default
  SetWorkingWeek(settings);
}

bool frmMain::SaveWorkingWeek() {
  if (strWorkingWeekFile.empty()) return true;
  if (WorkingWeek.IsDefault()) {
    const QString path = QString::fromStdString(strWorkingWeekFile);
    return !QFileInfo::exists(path) || QFile::remove(path);
  }
  QDir().mkpath(QFileInfo(QString::fromStdString(strWorkingWeekFile)).absolutePath());
  return SaveWorkingWeekFile(strWorkingWeekFile, WorkingWeek);
}

void frmMain::cmdWorkingWeek_Click() {
  frmWorkingWeek dialog(WorkingWeek, intLanguage, nullptr);
  dialog.move(geometry().center() - dialog.rect().center());
  if (dialog.exec() == QDialog::Accepted) SetWorkingWeek(dialog.Choice());
  cmdWorkingWeek->setFocus();
}

const WorkingCalendar* frmMain::WorkingCalendarWithin(std::int64_t first, std::int64_t last,
                                                      std::string& problem) {
  if (!workingCalendarProblem.empty()) {
    problem = workingCalendarProblem;
    return nullptr;
  }
  return workingCalendar->CalendarWithin(first, last, problem);
}

const WorkingCalendar* frmMain::MarkedCalendarWithin(std::int64_t first, std::int64_t last) {
  std::string problem;
  if (WorkingWeek.IsDefault()) return nullptr;
  return WorkingCalendarWithin(first, last, problem);
}
