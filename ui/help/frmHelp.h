// SPDX-License-Identifier: MIT
// The help window: the help text of the display language in one large text box with a
// Close button under it. Resizable and modeless; one lazy instance per program run. Its owner
// places it (PlaceOver) and takes the focus back when it closes (closed()).
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <array>

#include "ui/common/LazyWindow.h"

class QPlainTextEdit;
class QPushButton;

namespace valdora {

class frmHelp : public QWidget {
  Q_OBJECT

 public:
  // The one window, created on first use (not shown).
  static frmHelp& instance();
  // Whether the window is loaded.
  static bool exists();
  // Destroys the window; the next instance() loads it afresh.
  static void unload();

  // Smallest window, in twips, in either direction.
  static constexpr int kMinSizeTwips = 4000;

  QPlainTextEdit* txbMsg = nullptr;
  QPushButton* cmdClose = nullptr;
  // Help text and About section per language slot: 0 English, 1 German, 2 no help text.
  std::array<QString, 3> strHelpText;

  // Fills strHelpText.
  void BuildHelpText();
  // Puts the window's client area at `area` (screen pixels), never smaller than its minimum.
  void PlaceOver(const QRect& area);
  // Hides the window and tells its owner (closed()).
  void cmdClose_Click();

 signals:
  // The window was closed (its Close button, Escape or its frame): the owner takes the focus.
  void closed();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  frmHelp();
  ~frmHelp() override;
  friend class LazyWindow<frmHelp>;  // destroys the window on unload

  void Form_Load();
  void Form_Activate();
  void Form_Resize();
};

}  // namespace valdora
