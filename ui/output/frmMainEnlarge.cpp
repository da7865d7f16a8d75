// SPDX-License-Identifier: MIT
// The main window's Enlarge command: a read-only copy of the output in the enlarged window.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <algorithm>

#include "text/GenText.h"
#include "ui/common/MessageBox.h"
#include "ui/common/Metrics.h"
#include "ui/main/frmMain.h"
#include "ui/output/frmLargeDisplay.h"

using namespace valdora;

namespace {

QString Fixed(std::string_view english) { return QString::fromStdString(FixedText(english)); }

// The text without leading and trailing blanks; line breaks stay, so that the next result
// line still starts on a line of its own.
QString TrimBlanks(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text.at(first) == QLatin1Char(' ')) ++first;
  while (last > first && text.at(last - 1) == QLatin1Char(' ')) --last;
  return text.mid(first, last - first);
}

}  // namespace

void frmMain::cmdEnlarge_Click() {
  QString text = TrimBlanks(txbOutput->toPlainText());
  if (text.trimmed().isEmpty()) text.clear();  // line breaks alone show nothing either
  if (text != txbOutput->toPlainText()) txbOutput->setPlainText(text);
  if (text.isEmpty()) {
    ShowMessage(this, Fixed("The output window is empty."), Fixed("Output window"),
                MsgIcon::Warning);
    SetTheFocus();
    return;
  }

  frmLargeDisplay& large = frmLargeDisplay::instance();
  if (large.isMinimized()) large.setWindowState(large.windowState() & ~Qt::WindowMinimized);

  // Over the main window: 380 twips below its top, 100 right of its left edge, its lower
  // and right edges 100 twips inside the main window's; never below its own minimum.
  const QRect main = frameGeometry();
  const QSize frameExtra = main.size() - size();  // the window manager's frame
  const int top = main.top() + TwipsToPixels(380);
  const int left = main.left() + TwipsToPixels(100);
  const int inset = TwipsToPixels(100);
  const int width = main.left() + main.width() - left - inset - frameExtra.width();
  const int height = main.top() + main.height() - top - inset - frameExtra.height();
  large.move(left, top);
  large.resize(std::max(width, large.minimumWidth()), std::max(height, large.minimumHeight()));

  large.setWindowIcon(windowIcon());
  large.setWindowTitle(cmdEnlarge->text());
  large.txbOutput->setReadOnly(true);
  large.txbOutput->setPlainText(txbOutput->toPlainText());
  large.show();
  large.raise();
  large.activateWindow();
}
