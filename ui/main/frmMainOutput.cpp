// SPDX-License-Identifier: MIT
// The output window of the main window: its copy button, whose caption and width follow the
// selection, copying to the clipboard, and clearing.
#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <algorithm>
#include <string>
#include <utility>

#include "presentation/FieldKeys.h"
#include "text/GenText.h"
#include "ui/common/Metrics.h"
#include "ui/main/frmMain.h"

using namespace valdora;

namespace {
// Widths of the copy button in twips, without and with a selection.
constexpr int CopyButtonWidth = 2500;
constexpr int CopySelectionButtonWidth = 3750;
}  // namespace

void frmMain::SetCopyOutputButton() {
  const bool selected = txbOutput->textCursor().hasSelection();
  QFont font = cmdCopyOutput->font();
  font.setBold(false);
  cmdCopyOutput->setFont(font);
  const QString caption = QString::fromStdString(
      FixedText(selected ? "Copy selected text to clipboard" : "Copy to clipboard"));
  cmdCopyOutput->setText(caption);
  cmdCopyOutput->setFixedWidth(ButtonWidthAtLeast(
      cmdCopyOutput, caption, selected ? CopySelectionButtonWidth : CopyButtonWidth));
  // The column beside the output is as wide as the wider of the copy button's two forms, so
  // that its changes move nothing else.
  int column = 0;
  for (const auto& [english, twips] :
       {std::pair{"Copy to clipboard", CopyButtonWidth},
        std::pair{"Copy selected text to clipboard", CopySelectionButtonWidth}}) {
    column =
        std::max(column, ButtonWidthAtLeast(cmdCopyOutput,
                                            QString::fromStdString(FixedText(english)), twips));
  }
  for (const QPushButton* button : {cmdEnlarge, cmdClearOutputWindow}) {
    column = std::max(column, button->sizeHint().width());
  }
  outputColumn->setFixedWidth(column);
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
