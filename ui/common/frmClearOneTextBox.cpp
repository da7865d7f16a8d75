// SPDX-License-Identifier: MIT
#include "ui/common/frmClearOneTextBox.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "ui/common/MessageBox.h"
#include "ui/common/Metrics.h"
#include "ui/common/LazyWindow.h"
#include "ui/main/WindowCaptions.h"

using namespace valdora;

namespace {
// Captions written by the main window while no dialog is loaded; the next load takes them.
struct KeptCaptions {
  std::int16_t language = -1;  // -1: the design captions
  std::string needToClear;
};
LazyWindow<frmClearOneTextBox, KeptCaptions> theDialog;
}  // namespace

frmClearOneTextBox& frmClearOneTextBox::instance() {
  return theDialog.Get([] { return new frmClearOneTextBox(); },
                       [](frmClearOneTextBox&, const KeptCaptions& taken) {
                         if (taken.language >= 0) ApplyCaptions(taken.language, taken.needToClear);
                       });
}

void frmClearOneTextBox::ApplyCaptions(std::int16_t language, const std::string& needToClear) {
  frmClearOneTextBox* dialog = theDialog.Loaded();
  if (dialog == nullptr) {
    theDialog.kept() = KeptCaptions{language, needToClear};
    return;
  }
  WriteCaptions(dialog, CaptionWindow::ClearField, language, needToClear);
}

bool frmClearOneTextBox::exists() { return theDialog.Loaded() != nullptr; }

void frmClearOneTextBox::unload() { theDialog.Unload(); }

void frmClearOneTextBox::SetPlace(const QRect& beside, const QRect& room) {
  besideRect = beside;
  roomRect = room;
}

frmClearOneTextBox::frmClearOneTextBox() : QDialog(nullptr) {
  setObjectName(QStringLiteral("frmClearOneTextBox"));
  setWindowTitle(QStringLiteral("Clear one textbox"));
  MakeModalQuestion(this);
  setFont(InterfaceFont(QStringLiteral("DokChampa")));

  lblNeedToClear = new QLabel(QStringLiteral("Need to clear"), this);
  lblNeedToClear->setObjectName(QStringLiteral("lblNeedToClear"));
  lblNeedToClear->setWordWrap(false);
  lblClear = new QLabel(QStringLiteral("Clear:"), this);
  lblClear->setObjectName(QStringLiteral("lblClear"));
  optClearFirstDate = new QRadioButton(QStringLiteral("first date"), this);
  optClearFirstDate->setObjectName(QStringLiteral("optClearFirstDate"));
  lblOr = new QLabel(QStringLiteral("or"), this);
  lblOr->setObjectName(QStringLiteral("lblOr"));
  optClearDateDiff = new QRadioButton(QStringLiteral("date difference"), this);
  optClearDateDiff->setObjectName(QStringLiteral("optClearDateDiff"));
  optClearSecondDate = new QRadioButton(QStringLiteral("second date"), this);
  optClearSecondDate->setObjectName(QStringLiteral("optClearSecondDate"));
  optCancel = new QRadioButton(QStringLiteral("Cancel this operation"), this);
  optCancel->setObjectName(QStringLiteral("optCancel"));
  cmdContinue = new QPushButton(QStringLiteral("Continue"), this);
  cmdContinue->setObjectName(QStringLiteral("cmdContinue"));
  cmdContinue->setDefault(true);

  auto* group = new QButtonGroup(this);
  for (QRadioButton* option : {optClearFirstDate, optClearDateDiff, optClearSecondDate, optCancel}) {
    group->addButton(option);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblNeedToClear);
  auto* choices = new QGridLayout;
  choices->addWidget(lblClear, 0, 0);
  choices->addWidget(optClearFirstDate, 0, 1);
  choices->addWidget(optClearDateDiff, 1, 1);
  choices->addWidget(optClearSecondDate, 2, 1);
  choices->addWidget(lblOr, 3, 0);
  choices->addWidget(optCancel, 3, 1);
  choices->setColumnStretch(2, 1);
  layout->addLayout(choices);
  layout->addWidget(cmdContinue, 0, Qt::AlignRight);

  connect(cmdContinue, &QPushButton::clicked, this, &frmClearOneTextBox::cmdContinue_Click);
  Form_Load();
}

void frmClearOneTextBox::Form_Load() { optClearDateDiff->setChecked(true); }

void frmClearOneTextBox::Form_Activate() {
  if (besideRect.isValid()) {
    // Beside the owner's input fields, not over them: right of `besideRect`, level with its
    // top. Placed by its client area, whose position does not depend on a window frame that
    // the window manager adds only at the first showing.
    adjustSize();
    QRect place(QPoint(besideRect.right() + 1 + TwipsToPixels(120), besideRect.top()), size());
    if (roomRect.isValid()) {
      place.moveRight(std::min(place.right(), roomRect.right()));
      place.moveBottom(std::min(place.bottom(), roomRect.bottom()));
      place.moveTopLeft(QPoint(std::max(place.left(), roomRect.left()),
                               std::max(place.top(), roomRect.top())));
    }
    setGeometry(place);
  }
  if (optCancel->isChecked()) optClearDateDiff->setChecked(true);
}

void frmClearOneTextBox::cmdContinue_Click() { accept(); }

void frmClearOneTextBox::reject() {
  optCancel->setChecked(true);
  QDialog::reject();
}

void frmClearOneTextBox::showEvent(QShowEvent* event) {
  Form_Activate();
  QDialog::showEvent(event);
}
