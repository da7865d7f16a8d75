// The program: loads the program texts, then opens the main window.
#include <QApplication>
#include <QLocale>

#include "engine/LeapWeekCalendar.h"
#include "text/Language.h"
#include "ui/main/frmMain.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Valdora"));
  valdora::SetProgramFolder(QCoreApplication::applicationDirPath().toStdString());
  valdora::SetLocaleGroupingSeparator(QLocale::system().groupSeparator().toStdString());

  frmMain window;
  if (!window.Form_Load()) return 1;  // the loader's message has been shown
  return app.exec();
}
