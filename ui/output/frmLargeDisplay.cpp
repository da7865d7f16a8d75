// SPDX-License-Identifier: MIT
#include "ui/output/frmLargeDisplay.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>
#include <functional>

#include "text/Language.h"
#include "ui/common/Keyboard.h"
#include "ui/common/LazyWindow.h"
#include "ui/common/Metrics.h"

namespace valdora {

namespace {

constexpr int kTextPadTwips = 105;  // left and top margin of the text box
const QString kPause = QStringLiteral("Pause");
const QString kContinue = QStringLiteral("Continue");
const QString kStop = QStringLiteral("Stop");
const QString kClose = QStringLiteral("Close");

QString Program(int n) { return QString::fromStdString(ProgramText(n)); }

bool German() { return intTextLanguage == intGerman; }

// The text box, telling its window about a mouse release after it has finished the selection.
class OutputTextBox : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;
  std::function<void(Qt::MouseButton)> onMouseUp;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QPlainTextEdit::mouseReleaseEvent(event);
    if (onMouseUp) onMouseUp(event->button());
  }
};

LazyWindow<frmLargeDisplay> theLargeDisplay;

}  // namespace

frmLargeDisplay& frmLargeDisplay::instance() {
  return theLargeDisplay.Get([] { return new frmLargeDisplay(); });
}

bool frmLargeDisplay::exists() { return theLargeDisplay.Loaded() != nullptr; }

void frmLargeDisplay::unload() { theLargeDisplay.Unload(); }

frmLargeDisplay::frmLargeDisplay() : QWidget(nullptr) {
  setObjectName(QStringLiteral("frmLargeDisplay"));
  // Closing this window must never end the program; only the main window's Quit does.
  setAttribute(Qt::WA_QuitOnClose, false);
  CloseOnEscape(this, [this] { close(); });

  auto* box = new OutputTextBox(this);
  box->onMouseUp = [this](Qt::MouseButton button) { txbOutput_MouseUp(button); };
  txbOutput = box;
  txbOutput->setObjectName(QStringLiteral("txbOutput"));
  txbOutput->setFont(FixedPitchFont(9));
  txbOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
  txbOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txbOutput->setGeometry(TwipsToPixels(kTextPadTwips), TwipsToPixels(kTextPadTwips),
                         TwipsToPixels(7155), TwipsToPixels(4215));
  txbOutput->installEventFilter(this);

  const QFont buttonFont = InterfaceFont(QStringLiteral("Tahoma"));
  cmdCopyToClipboard = new QPushButton(QStringLiteral("Copy selected text to clipboard"), this);
  cmdCopyToClipboard->setObjectName(QStringLiteral("cmdCopyToClipboard"));
  cmdCopyToClipboard->setFont(buttonFont);
  cmdCopyToClipboard->setGeometry(TwipsToPixels(105), TwipsToPixels(4410), TwipsToPixels(3500),
                                  TwipsToPixels(330));
  cmdClose = new QPushButton(kClose, this);
  cmdClose->setObjectName(QStringLiteral("cmdClose"));
  cmdClose->setFont(buttonFont);
  cmdClose->setGeometry(TwipsToPixels(5670), TwipsToPixels(4410), TwipsToPixels(1605),
                        TwipsToPixels(330));

  connect(cmdCopyToClipboard, &QPushButton::clicked, this,
          &frmLargeDisplay::cmdCopyToClipboard_Click);
  connect(cmdClose, &QPushButton::clicked, this, &frmLargeDisplay::cmdClose_Click);

  setMinimumSize(TwipsToPixels(kMinWidthTwips), TwipsToPixels(kMinHeightTwips));
  Form_Load();
}

frmLargeDisplay::~frmLargeDisplay() { theLargeDisplay.Forget(this); }

void frmLargeDisplay::Form_Load() {
  lngMaxTextLength = 61440;
  strBufferFullMessage = QStringLiteral("BUFFER FULL");
  cmdCopyToClipboard->setText(QStringLiteral("Copy to clipboard"));
  // Tall enough for the design layout: buttons at 4410 twips, 700 twips above the bottom.
  resize(TwipsToPixels(kMinWidthTwips), TwipsToPixels(4410 + 330 + 700));
}

void frmLargeDisplay::Form_Activate() {
  SetCopyToClipboardButton();
  SetButtonWidth(German() ? 4000 : 2000);
}

void frmLargeDisplay::Form_Resize() {
  if (isMinimized()) return;
  const int minW = TwipsToPixels(kMinWidthTwips);
  const int minH = TwipsToPixels(kMinHeightTwips);
  if (width() < minW || height() < minH) {
    // Springs back; the resize this posts lays the controls out again.
    resize(std::max(width(), minW), std::max(height(), minH));
    if (width() < minW || height() < minH) return;
  }
  const int w = width();
  const int h = height();
  const int closeH = cmdClose->height();
  txbOutput->resize(std::max(0, w - TwipsToPixels(300)),
                    std::max(0, h - closeH - TwipsToPixels(1000)));
  const int buttonTop = h - closeH - TwipsToPixels(700);
  cmdCopyToClipboard->move(cmdCopyToClipboard->x(), buttonTop);
  cmdClose->move(w - cmdClose->width() - TwipsToPixels(330), buttonTop);
}

void frmLargeDisplay::SetButtonWidth(int twips) {
  cmdCopyToClipboard->resize(TwipsToPixels(twips), cmdCopyToClipboard->height());
}

bool frmLargeDisplay::HasSelection() const { return txbOutput->textCursor().hasSelection(); }

int frmLargeDisplay::TextLength() const {
  // Characters of the text, a line break counting as one.
  return std::max(0, txbOutput->document()->characterCount() - 1);
}

void frmLargeDisplay::SetCopyToClipboardButton() {
  const QString caption = cmdCopyToClipboard->text();
  if (caption == Program(428)) {
    SetButtonWidth(German() ? 4000 : 2000);
  } else if (caption == Program(429)) {
    SetButtonWidth(German() ? 3000 : 2000);
  } else if (!HasSelection()) {
    cmdCopyToClipboard->setText(Program(185));
    SetButtonWidth(German() ? 3500 : 2500);
    if (isVisible()) cmdClose->setFocus();
  } else {
    cmdCopyToClipboard->setText(Program(424));
    SetButtonWidth(3500);
  }
}

void frmLargeDisplay::cmdCopyToClipboard_Click() {
  const QString caption = cmdCopyToClipboard->text();
  if (caption == kPause) {
    cmdCopyToClipboard->setText(kContinue);
    blnPaused = true;
    SetCopyToClipboardButton();
    // Waits for the "Continue" click (or for the window to go) while every other event
    // runs; WaitForMoreEvents sleeps between events instead of spinning.
    QPointer<frmLargeDisplay> self(this);
    while (self && blnPaused) {
      if (!isVisible() || QCoreApplication::closingDown()) return;
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (!self) return;
  } else if (caption == kContinue) {
    cmdCopyToClipboard->setText(kPause);
    blnPaused = false;
  } else {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    QTextCursor cursor = txbOutput->textCursor();
    if (cursor.hasSelection()) {
      QString selected = cursor.selectedText();
      selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
      selected.replace(QChar::LineSeparator, QLatin1Char('\n'));
      clipboard->setText(selected);
    } else {
      clipboard->setText(txbOutput->toPlainText());
    }
    cursor.clearSelection();
    txbOutput->setTextCursor(cursor);
  }
  SetCopyToClipboardButton();
}

bool frmLargeDisplay::txbOutput_KeyPress(int keyAscii) {
  if (keyAscii == 13 && HasSelection()) {
    cmdCopyToClipboard_Click();
    return true;
  }
  return false;
}

void frmLargeDisplay::txbOutput_MouseUp(Qt::MouseButton button) {
  if (button == Qt::LeftButton) SetCopyToClipboardButton();
}

void frmLargeDisplay::cmdClose_Click() {
  if (cmdClose->text() == kStop) {
    cmdClose->setText(kClose);
    return;
  }
  setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
  hide();
}

void frmLargeDisplay::Output(const QString& strText, std::int16_t intNumCRLFs, bool blnToEnd) {
  const int length = TextLength();
  if (length == 0) {
    blnReportBufferFull = false;
    blnBufferFullShown = false;
  } else if (!blnReportBufferFull) {
    blnReportBufferFull = length > lngMaxTextLength;
  }
  QTextCursor cursor(txbOutput->document());
  if (!blnReportBufferFull) {
    cursor.movePosition(QTextCursor::End);
    QString text = strText;
    for (int i = 0; i < intNumCRLFs; ++i) text += QLatin1Char('\n');
    cursor.insertText(text);
    if (blnToEnd) ShowEnd();
    return;
  }
  if (blnBufferFullShown) return;
  // The tail gives way to the notice, so that the text stays near the limit.
  cursor.setPosition(std::max(0, length - 512));
  cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  cursor.insertText(QStringLiteral(" ...\n\n") + strBufferFullMessage + QStringLiteral("  \n"));
  ShowEnd();
  blnBufferFullShown = true;
  cmdCopyToClipboard->setEnabled(true);
}

void frmLargeDisplay::DisplayArray(const QStringList& strArray, std::int32_t lngStart,
                                   std::int32_t lngEnd, const QString& strSuccessMessage,
                                   bool blnSeparateFolders) {
  const std::int32_t first = std::max<std::int32_t>(lngStart, 0);
  const std::int32_t last = std::min<std::int32_t>(lngEnd, strArray.size() - 1);
  QString t;
  QString previousFolder;
  bool allAdded = true;
  for (std::int32_t i = first; i <= last; ++i) {
    const QString& element = strArray.at(i);
    if (t.size() + 2 + element.size() > lngMaxTextLength) {
      t += QLatin1Char('\n') + strBufferFullMessage;
      allAdded = false;
      break;
    }
    QString folder;
    if (blnSeparateFolders) {
      const int slash = element.lastIndexOf(QLatin1Char('\\'));
      if (slash >= 0) folder = element.left(slash + 1);
    }
    if (i == first) {
      t = element + QLatin1Char('\n');
    } else {
      if (blnSeparateFolders && folder != previousFolder) t += QLatin1Char('\n');
      t += element + QLatin1Char('\n');
    }
    previousFolder = folder;
  }
  Output(t, 0, true);
  if (!strSuccessMessage.isEmpty() && allAdded) {
    Output(QLatin1Char('\n') + strSuccessMessage + QLatin1Char('\n'), 0, false);
  }
}

void frmLargeDisplay::WidenDisplayIfNeeded(const QString& strText, std::int16_t intX,
                                           double dblMaxScreenWidth) {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const double most = area.width() * dblMaxScreenWidth;  // pixels
  if (most <= width() || blnReportBufferFull) return;
  const double need = static_cast<double>(TwipsToPixels(intX)) * strText.size();
  if (width() >= need) return;
  resize(static_cast<int>(need <= most ? need : most), height());
  move(area.left() + (area.width() - frameGeometry().width()) / 2, y());
}

void frmLargeDisplay::Clear() {
  txbOutput->clear();
  Output(QString(), 0, false);
  update();
}

void frmLargeDisplay::ShowBeginning() {
  QTextCursor cursor = txbOutput->textCursor();
  cursor.movePosition(QTextCursor::Start);
  txbOutput->setTextCursor(cursor);
  txbOutput->ensureCursorVisible();
}

void frmLargeDisplay::ShowEnd() {
  QTextCursor cursor = txbOutput->textCursor();
  cursor.movePosition(QTextCursor::End);
  txbOutput->setTextCursor(cursor);
  txbOutput->ensureCursorVisible();
}

void frmLargeDisplay::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void frmLargeDisplay::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Opening the window brings it back to its normal state; a later refocus keeps the
  // state the user chose.
  if (isMinimized() || isMaximized()) {
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
  }
  Form_Activate();
}

void frmLargeDisplay::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void frmLargeDisplay::closeEvent(QCloseEvent* event) {
  cmdClose_Click();
  event->accept();
  // The close box unloads the window: the next use loads it afresh.
  theLargeDisplay.Forget(this);
  hide();
  deleteLater();
}

bool frmLargeDisplay::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txbOutput && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        txbOutput_KeyPress(13)) {
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace valdora
