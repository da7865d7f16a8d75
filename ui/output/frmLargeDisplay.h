// SPDX-License-Identifier: MIT
// The enlarged output window: a resizable window that shows a copy of the output text and
// copies all of it, or the selection, to the clipboard. One lazy instance per program run.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>

#include "ui/common/LazyWindow.h"

class QPlainTextEdit;
class QPushButton;

namespace valdora {

class frmLargeDisplay : public QWidget {
 public:
  // The one window, created on first use (not shown).
  static frmLargeDisplay& instance();
  // Whether the window is loaded.
  static bool exists();
  // Destroys the window; the next instance() loads it afresh.
  static void unload();

  // Smallest window, in twips; a smaller size springs back to it.
  static constexpr int kMinWidthTwips = 6000;
  static constexpr int kMinHeightTwips = 3000;

  QPlainTextEdit* txbOutput = nullptr;
  QPushButton* cmdCopyToClipboard = nullptr;
  QPushButton* cmdClose = nullptr;

  QString strBufferFullMessage;
  bool blnReportBufferFull = false;
  std::int32_t lngMaxTextLength = 0;
  bool blnPaused = false;
  bool blnBufferFullShown = false;

  // Appends `strText` and `intNumCRLFs` line breaks unless the text has passed the limit,
  // in which case its tail is replaced once by the buffer-full notice.
  void Output(const QString& strText, std::int16_t intNumCRLFs, bool blnToEnd);
  // Shows elements lngStart..lngEnd of `strArray` as lines (indices outside the list are
  // skipped); with blnSeparateFolders a blank line parts paths of different folders.
  void DisplayArray(const QStringList& strArray, std::int32_t lngStart, std::int32_t lngEnd,
                    const QString& strSuccessMessage, bool blnSeparateFolders);
  // Widens the window (at most dblMaxScreenWidth of the screen) so that a line of
  // strText.size() characters of intX twips each fits, and centres it.
  void WidenDisplayIfNeeded(const QString& strText, std::int16_t intX, double dblMaxScreenWidth);
  // Empties the text and lifts the buffer-full state.
  void Clear();
  void ShowBeginning();
  void ShowEnd();
  // Caption and width of the copy button, by its caption and the selection.
  void SetCopyToClipboardButton();

  void cmdCopyToClipboard_Click();
  void cmdClose_Click();
  // Enter with a selection copies it; returns true when the key was consumed.
  bool txbOutput_KeyPress(int keyAscii);
  void txbOutput_MouseUp(Qt::MouseButton button);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  frmLargeDisplay();
  ~frmLargeDisplay() override;
  friend class LazyWindow<frmLargeDisplay>;  // destroys the window on unload

  void Form_Load();
  void Form_Activate();
  void Form_Resize();
  void SetButtonWidth(int twips);
  bool HasSelection() const;
  int TextLength() const;
};

}  // namespace valdora
