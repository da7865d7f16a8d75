// SPDX-License-Identifier: MIT
#include "ui/help/frmHelp.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <algorithm>

#include "text/GenText.h"
#include "text/Language.h"
#include "ui/common/Keyboard.h"
#include "ui/common/LazyWindow.h"
#include "ui/common/Metrics.h"
#include "ui/common/weblink.h"
#include "presentation/AboutText.h"
#include "presentation/HelpText.h"

namespace valdora {

namespace {

QString Fixed(std::string_view english) { return QString::fromStdString(FixedText(english)); }

LazyWindow<frmHelp> theHelpWindow;

}  // namespace

frmHelp& frmHelp::instance() {
  return theHelpWindow.Get([] { return new frmHelp(); });
}

bool frmHelp::exists() { return theHelpWindow.Loaded() != nullptr; }

void frmHelp::unload() { theHelpWindow.Unload(); }

frmHelp::frmHelp() : QWidget(nullptr) {
  setObjectName(QStringLiteral("frmHelp"));
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle(QStringLiteral("Help"));
  CloseOnEscape(this, [this] { close(); });
  setFont(InterfaceFont(QStringLiteral("Tahoma")));

  txbMsg = new QPlainTextEdit(this);
  txbMsg->setObjectName(QStringLiteral("txbMsg"));
  txbMsg->setReadOnly(true);
  txbMsg->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  txbMsg->setGeometry(TwipsToPixels(200), TwipsToPixels(100), TwipsToPixels(3550),
                      TwipsToPixels(2900));
  cmdClose = new QPushButton(QStringLiteral("Close"), this);
  cmdClose->setObjectName(QStringLiteral("cmdClose"));
  cmdClose->resize(TwipsToPixels(1500), TwipsToPixels(375));
  connect(cmdClose, &QPushButton::clicked, this, &frmHelp::cmdClose_Click);

  setMinimumSize(TwipsToPixels(kMinSizeTwips), TwipsToPixels(kMinSizeTwips));
  resize(TwipsToPixels(kMinSizeTwips), TwipsToPixels(kMinSizeTwips));
  Form_Load();
}

frmHelp::~frmHelp() { theHelpWindow.Forget(this); }

void frmHelp::BuildHelpText() {
  for (std::size_t slot = 0; slot < strHelpText.size(); ++slot) {
    const auto language = static_cast<std::int16_t>(slot);
    // The help, an empty line, then the About section.
    QString text = QString::fromStdString(
        valdora::BuildHelpText(language, UserManualAddress(language)) + "\r\n" +
        AboutText(language));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    strHelpText[slot] = text;
  }
}

void frmHelp::Form_Load() { BuildHelpText(); }

void frmHelp::PlaceOver(const QRect& area) {
  move(area.topLeft());
  resize(std::max(area.width(), minimumWidth()), std::max(area.height(), minimumHeight()));
}

void frmHelp::Form_Activate() {
  setWindowTitle(QStringLiteral("Valdora ") + Fixed("Help"));
  cmdClose->setText(Fixed("Close"));
  const std::size_t slot = intLanguage >= 0 && intLanguage <= 2 ? intLanguage : 0;
  // The text is put back only when it changed, so that refocusing keeps the place read.
  if (txbMsg->toPlainText() != strHelpText[slot]) {
    txbMsg->setPlainText(strHelpText[slot]);
    txbMsg->moveCursor(QTextCursor::Start);
  }
  if (isMaximized()) return;
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  Form_Resize();
}

void frmHelp::Form_Resize() {
  if (isMinimized()) return;
  const int minSize = TwipsToPixels(kMinSizeTwips);
  if (width() < minSize || height() < minSize) {
    resize(std::max(width(), minSize), std::max(height(), minSize));
    if (width() < minSize || height() < minSize) return;
  }
  txbMsg->resize(std::max(0, width() - TwipsToPixels(450)),
                 std::max(0, height() - TwipsToPixels(1100)));
  cmdClose->move((txbMsg->width() - cmdClose->width()) / 2 + TwipsToPixels(200),
                 txbMsg->y() + txbMsg->height() + TwipsToPixels(100));
  update();
}

void frmHelp::cmdClose_Click() {
  hide();
  emit closed();
}

void frmHelp::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void frmHelp::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Form_Activate();
}

void frmHelp::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void frmHelp::closeEvent(QCloseEvent* event) {
  // The close box does what Close does: the window is hidden and stays loaded.
  event->accept();
  cmdClose_Click();
}

}  // namespace valdora
