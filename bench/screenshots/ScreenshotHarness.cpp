// SPDX-License-Identifier: MIT
// Screenshots for the README and the manual: the main window after a few computations, the
// month window with its ISO week dates, and the help window, each grabbed as it is drawn
// (QWidget::grab) and saved as PNG. Today is fixed so that the pictures do not change from
// day to day. Run by scripts/screenshots under a virtual X server.
//
//   valdora-screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <cstdlib>

#include "engine/DateCore.h"
#include "text/Language.h"
#include "ui/help/frmHelp.h"
#include "ui/main/frmMain.h"
#include "ui/month/frmDisplayMonth.h"

namespace {

using valdora::frmDisplayMonth;
using valdora::frmMain;

// Lets the windows settle: pending events, layouts, paints and timer ticks for `ms`.
void Settle(int ms) {
  QElapsedTimer timer;
  timer.start();
  do {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(10);
  } while (timer.elapsed() < ms);
}

bool Save(QWidget& window, const QDir& folder, const QString& name) {
  window.raise();
  window.activateWindow();
  Settle(300);
  const QString path = folder.filePath(name);
  if (!window.grab().save(path, "PNG")) {
    std::fprintf(stderr, "valdora-screenshots: cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

// Types `text` into `field` as a user would, after emptying it.
void Type(QLineEdit* field, const char* text) {
  field->clear();
  QTest::keyClicks(field, QString::fromLatin1(text));
}

void ClearInputs(frmMain& w) {
  w.cmdClearFirstDate->click();
  w.cmdClearDateDiff->click();
  w.cmdClearSecondDate->click();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: valdora-screenshots OUTPUT_FOLDER\n");
    return 2;
  }
  QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.exists() && !QDir().mkpath(folder.path())) return 1;
  QApplication::setApplicationName(QStringLiteral("Valdora"));
  Q_INIT_RESOURCE(valdora);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/valdora.svg")));
  valdora::SetProgramFolder(QCoreApplication::applicationDirPath().toStdString());
  valdora::SetFixedToday(2024, 2, 29);

  frmMain w;
  if (!w.Form_Load()) return 1;
  Settle(300);

  // A conversion, an addition of months, another conversion and a count of days between
  // dates, which leaves the window in its usual mode (unit days).
  Type(w.txbFirstDate, "2000-01-01");
  w.optSecondDateIsISO->click();
  w.cmdCompute->click();
  ClearInputs(w);
  w.optSecondDateIsCE->click();
  w.optMonths->click();
  Type(w.txbFirstDate, "2020-01-31");
  Type(w.txbDateDiff, "1");
  w.cmdCompute->click();
  ClearInputs(w);
  w.optDays->click();
  w.optSecondDateIsLPM->click();
  Type(w.txbFirstDate, "2024-02-29");
  w.cmdCompute->click();
  ClearInputs(w);
  w.optSecondDateIsCE->click();
  Type(w.txbFirstDate, "2019-12-31");
  Type(w.txbSecondDate, "2020-03-01");
  w.cmdCompute->click();
  Settle(1300);  // the clock's tick shows the buttons beside the output window
  bool ok = Save(w, folder, QStringLiteral("screenshot-main.png"));

  // The month window on the first date's month, weeks from Monday, with ISO week dates.
  w.cmdDisplayMonth->click();
  frmDisplayMonth& month = frmDisplayMonth::instance();
  Settle(200);
  month.optMonday->click();
  month.optCommonEra->click();
  month.cmdShowHideISO->click();
  ok = Save(month, folder, QStringLiteral("screenshot-month.png")) && ok;
  month.cmdClose->click();

  w.cmdHelp->click();
  ok = Save(valdora::frmHelp::instance(), folder, QStringLiteral("screenshot-help.png")) && ok;
  std::fflush(stdout);
  std::_Exit(ok ? 0 : 1);  // no quit: the user file of the private home is not written
}
