// SPDX-License-Identifier: MIT
// The output window of the main window: its copy button, whose caption and width follow the
// selection, copying to the clipboard, and clearing.
#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <string>

#include "text/GenText.h"
#include "ui/common/Metrics.h"
#include "ui/main/FieldKeys.h"
#include "ui/main/frmMain.h"

using namespace valdora;

namespace {
// Widths of the copy button in twips, without and with a selection.
constexpr int CopyButtonWidth = 2500;
constexpr int CopySelectionButtonWidth = 3750;
}  // namespace

void frmMain::SetCopyOutputButton() {
  const bool selected = txbOutput->textCursor().hasSelection();
  cmdCopyOutput->setText(QString::fromStdString(
      FixedText(selected ? "Copy selected text to clipboard" : "Copy to clipboard")));
  cmdCopyOutput->setFixedWidth(
      TwipsToPixels(selected ? CopySelectionButtonWidth : CopyButtonWidth));
  QFont font = cmdCopyOutput->font();
  font.setBold(false);
  cmdCopyOutput->setFont(font);
  cmdCopyOutput->setVisible(true);
}

void frmMain::CopyOutputToClipboard() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  QTextCursor cursor = txbOutput->textCursor();
  QString text;
  if (cursor.hasSelection()) {
    // A selection separates its lines by paragraph separators; the clipboard takes plain
    // line breaks.
    text = cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  } else {
    text = txbOutput->toPlainText();
  }
  clipboard->setText(text);
  cursor.clearSelection();
  txbOutput->setTextCursor(cursor);
  SetCopyOutputButton();
}

void frmMain::cmdCopyOutput_Click() { CopyOutputToClipboard(); }

void frmMain::txbOutput_MouseUp() { SetCopyOutputButton(); }

int frmMain::txbOutput_KeyPress(int keyAscii) {
  if (keyAscii == KeyEnter && txbOutput->textCursor().hasSelection()) {
    CopyOutputToClipboard();
    return 0;
  }
  return keyAscii;
}

void frmMain::cmdClearOutputWindow_Click() {
  txbOutput->clear();
  SetTheFocus();
}
