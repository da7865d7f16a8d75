// SPDX-License-Identifier: MIT
// The small modal dialog that asks which of the three filled input fields to clear. Its only
// output is which option is selected when it hides; it keeps that choice for the next time,
// except that a cancel is not offered again as the preselection.
#pragma once

#include <QDialog>
#include <QRect>
#include <cstdint>
#include <string>

class QLabel;
class QPushButton;
class QRadioButton;
class QShowEvent;

namespace valdora {

class frmClearOneTextBox : public QDialog {
  Q_OBJECT

 public:
  // The one dialog, created (not shown) on first use.
  static frmClearOneTextBox& instance();
  static bool exists();
  // Destroys the dialog and forgets the captions kept for its load; the next instance()
  // loads it afresh.
  static void unload();
  // The main window's captions in `language`, `needToClear` the explanation on top: written
  // into the loaded dialog, or kept for the next load.
  static void ApplyCaptions(std::int16_t language, const std::string& needToClear);

  // Where the next showing places the dialog: right of `beside` (the owner's input fields, in
  // screen coordinates), within `room` (the screen's available area; an invalid rectangle:
  // no limit). Until called the dialog is placed by the window manager.
  void SetPlace(const QRect& beside, const QRect& room);

  QLabel* lblNeedToClear = nullptr;
  QLabel* lblClear = nullptr;
  QRadioButton* optClearFirstDate = nullptr;
  QLabel* lblOr = nullptr;
  QRadioButton* optClearDateDiff = nullptr;
  QRadioButton* optClearSecondDate = nullptr;
  QRadioButton* optCancel = nullptr;
  QPushButton* cmdContinue = nullptr;

  void Form_Load();
  // Places the dialog beside the main window's input frame and drops a left-over cancel.
  void Form_Activate();
  void cmdContinue_Click();

  // Closing by the frame or Escape means: cancel this operation.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  frmClearOneTextBox();

  QRect besideRect;
  QRect roomRect;
};

}  // namespace valdora
