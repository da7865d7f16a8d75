// SPDX-License-Identifier: MIT
#include "ui/main/frmWorkingWeek.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "holidays/HolidayFile.h"
#include "text/GenText.h"
#include "ui/common/MessageBox.h"
#include "ui/main/WindowCaptions.h"

using namespace valdora;

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

template <typename W>
W* Named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

// A row of the file list: the path and the number of holidays the file gives, or the
// reason it cannot be read.
QString FileRow(const std::string& path, std::int16_t language) {
  HolidayFile file;
  std::string problem;
  const std::string gave = file.Load(path, problem) ? std::to_string(file.HolidayCount()) + " " +
                                                          FixedText("holidays", language)
                                                    : problem;
  return Q(path + "  \u2014  " + gave);
}

}  // namespace

frmWorkingWeek::frmWorkingWeek(const WorkingWeekSettings& settings, std::int16_t language,
                               QWidget* parent)
    : QDialog(parent), language_(language) {
  setObjectName(QStringLiteral("frmWorkingWeek"));
  MakeModalQuestion(this);

  lblWorkingWeekdays = Named(new QLabel(this), QStringLiteral("lblWorkingWeekdays"));
  // Monday first, as a working week is read; the tab order follows.
  for (int day : {1, 2, 3, 4, 5, 6, 0}) {
    chkWorkingDay[day] = Named(new QCheckBox(this), QStringLiteral("chkWorkingDay(%1)").arg(day));
    chkWorkingDay[day]->setChecked((settings.week >> day) & 1u);
  }
  lblHolidayFiles = Named(new QLabel(this), QStringLiteral("lblHolidayFiles"));
  lstHolidayFiles = Named(new QListWidget(this), QStringLiteral("lstHolidayFiles"));
  lblHolidayFiles->setBuddy(lstHolidayFiles);
  cmdAddHolidayFile = Named(new QPushButton(this), QStringLiteral("cmdAddHolidayFile"));
  cmdRemoveHolidayFile = Named(new QPushButton(this), QStringLiteral("cmdRemoveHolidayFile"));
  lblProblem = Named(new QLabel(this), QStringLiteral("lblProblem"));
  lblProblem->setWordWrap(true);
  cmdOK = Named(new QPushButton(this), QStringLiteral("cmdOK"));
  cmdCancel = Named(new QPushButton(this), QStringLiteral("cmdCancel"));
  cmdOK->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblWorkingWeekdays);
  auto* days = new QHBoxLayout;
  for (int day : {1, 2, 3, 4, 5, 6, 0}) days->addWidget(chkWorkingDay[day]);
  days->addStretch();
  layout->addLayout(days);
  layout->addWidget(lblHolidayFiles);
  auto* files = new QHBoxLayout;
  files->addWidget(lstHolidayFiles, 1);
  auto* fileButtons = new QVBoxLayout;
  fileButtons->addWidget(cmdAddHolidayFile);
  fileButtons->addWidget(cmdRemoveHolidayFile);
  fileButtons->addStretch();
  files->addLayout(fileButtons);
  layout->addLayout(files);
  layout->addWidget(lblProblem);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  layout->addLayout(buttons);

  WriteCaptions(this, CaptionWindow::WorkingWeek, language);
  for (const std::string& path : settings.holidayFiles) AddHolidayFile(path);
  lstHolidayFiles->setCurrentRow(lstHolidayFiles->count() > 0 ? 0 : -1);
  cmdRemoveHolidayFile->setEnabled(!paths_.empty());
  resize(std::max(width(), 560), sizeHint().height());

  for (int day = 0; day < 7; ++day)
    connect(chkWorkingDay[day], &QCheckBox::toggled, this,
            [this, day] { chkWorkingDay_Click(day); });
  connect(cmdAddHolidayFile, &QPushButton::clicked, this, &frmWorkingWeek::cmdAddHolidayFile_Click);
  connect(cmdRemoveHolidayFile, &QPushButton::clicked, this,
          &frmWorkingWeek::cmdRemoveHolidayFile_Click);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
  chkWorkingDay[1]->setFocus();
}

WorkingWeekSettings frmWorkingWeek::Choice() const {
  WorkingWeekSettings choice;
  choice.week = 0;
  for (int day = 0; day < 7; ++day)
    if (chkWorkingDay[day]->isChecked())
      choice.week = static_cast<WeekdaySet>(choice.week | (1u << day));
  choice.holidayFiles = paths_;
  return choice;
}

void frmWorkingWeek::ShowProblem(const char* english) {
  lblProblem->setText(english ? Q(FixedText(english, language_)) : QString());
}

void frmWorkingWeek::chkWorkingDay_Click(int day) {
  const bool anyChecked = std::any_of(chkWorkingDay.begin(), chkWorkingDay.end(),
                                      [](const QCheckBox* box) { return box->isChecked(); });
  if (anyChecked) {
    ShowProblem(nullptr);
    return;
  }
  // The last working day stays one: a week needs a working day.
  chkWorkingDay[day]->setChecked(true);
  ShowProblem("At least one weekday must stay a working day.");
}

bool frmWorkingWeek::AddHolidayFile(const std::string& path) {
  if (!IsKeepablePath(path)) {
    ShowProblem("A file whose name has a line break cannot be kept.");
    return false;
  }
  ShowProblem(nullptr);
  const auto listed = std::find(paths_.begin(), paths_.end(), path);
  if (listed == paths_.end()) {
    paths_.push_back(path);
    lstHolidayFiles->addItem(FileRow(path, language_));
  }
  lstHolidayFiles->setCurrentRow(
      static_cast<int>(std::find(paths_.begin(), paths_.end(), path) - paths_.begin()));
  cmdRemoveHolidayFile->setEnabled(true);
  return true;
}

void frmWorkingWeek::cmdAddHolidayFile_Click() {
  const QString filter = Q(FixedText("Holiday files", language_)) +
                         QStringLiteral(" (*.txt *.ics);;") + Q(FixedText("All files", language_)) +
                         QStringLiteral(" (*)");
  const QString path = QFileDialog::getOpenFileName(
      this, cmdAddHolidayFile->text(), QString(), filter, nullptr,
      QFileDialog::DontUseNativeDialog);  // the same, keyboard-driven dialog on every desktop
  if (!path.isEmpty()) AddHolidayFile(path.toStdString());
  lstHolidayFiles->setFocus();
}

void frmWorkingWeek::cmdRemoveHolidayFile_Click() {
  const int row = lstHolidayFiles->currentRow();
  if (row < 0 || row >= static_cast<int>(paths_.size())) return;
  paths_.erase(paths_.begin() + row);
  delete lstHolidayFiles->takeItem(row);
  ShowProblem(nullptr);
  cmdRemoveHolidayFile->setEnabled(!paths_.empty());
  (paths_.empty() ? static_cast<QWidget*>(cmdAddHolidayFile) : lstHolidayFiles)->setFocus();
}
