// SPDX-License-Identifier: MIT
// The main window's captions in the display language, those it writes into the month window
// and the clear-field dialog, the first date's ordinal caption, and the colour scheme.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>
#include <initializer_list>

#include "compute/Compute.h"
#include "text/Language.h"
#include "ui/common/Metrics.h"
#include "ui/common/QtTranslations.h"
#include "ui/common/frmClearOneTextBox.h"
#include "presentation/CaptionTable.h"
#include "ui/main/WindowCaptions.h"
#include "ui/main/frmMain.h"
#include "ui/month/frmDisplayMonth.h"

using namespace valdora;

namespace {

// Whether a layout of the parent places `widget` (then its geometry is the layout's).
bool PlacedByLayout(const QWidget* widget) {
  const QWidget* parent = widget->parentWidget();
  return parent && parent->layout() && parent->layout()->indexOf(widget) >= 0;
}

// Background and text colour of what a widget draws on its own background (labels, option
// captions, frames); an invalid text colour leaves the text as it is, and disabled text is
// dimmed towards the background. Text boxes and buttons keep the desktop theme's own pair of
// colours (and its look of a disabled button), so that they stay legible under a dark theme.
void Paint(QWidget* widget, const QColor& background, const QColor& text = QColor()) {
  if (!widget) return;
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, background);
  // Option buttons and check boxes fill their background in the button colour.
  palette.setColor(widget->backgroundRole(), background);
  if (text.isValid()) {
    palette.setColor(QPalette::Active, QPalette::WindowText, text);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, text);
    palette.setColor(QPalette::Disabled, QPalette::WindowText,
                     QColor((text.red() + background.red()) / 2, (text.green() + background.green()) / 2,
                            (text.blue() + background.blue()) / 2));
  }
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

void frmMain::ApplyCaptions() {
  WriteCaptions(this, CaptionWindow::Main, intLanguage);
  SetOrdinalCaption();
  SetCopyOutputButton();  // its caption, and the width it needs, are in the language too

  // A fixed left edge made room for the longer German caption; in the layout the caption's
  // own width does that, so only a check box placed by hand is moved to that edge.
  if (!PlacedByLayout(chkSaveOutput)) {
    const int left = TwipsToPixels(SaveOutputLeftTwips(intLanguage));
    const QPoint origin = chkSaveOutput->parentWidget()->mapFrom(this, QPoint(left, 0));
    chkSaveOutput->move(origin.x(), chkSaveOutput->y());
    chkSaveOutput->adjustSize();
  }
  chkSaveOutput->updateGeometry();
  cmdQuit->raise();

  // The two secondary windows are built on first use; one not loaded takes these on its load.
  frmDisplayMonth::ApplyCaptions(intLanguage);
  constexpr auto kNeedToClear = static_cast<std::size_t>(ComputeMessageKind::NeedToClear);
  const std::size_t slot = intLanguage >= 0 && intLanguage < ComputeMessageLanguages
                               ? static_cast<std::size_t>(intLanguage) : 0;
  frmClearOneTextBox::ApplyCaptions(intLanguage, std::string(ComputeMessage[slot][kNeedToClear]));

  // Names for a screen reader where no caption or label gives one.
  const bool german = intLanguage == intGerman;
  for (int i = 0; i < 2; ++i) {
    const QLabel* label = i == 0 ? lblFirstDate : lblSecondDate;
    VScroll[i]->setAccessibleName(label->text().remove(QLatin1Char(':')) +
                                  (german ? QStringLiteral(" +/- 1 Tag") : QStringLiteral(" +/- 1 day")));
  }
  txbOutput->setAccessibleName(german ? QStringLiteral("Ergebnisse") : QStringLiteral("Results"));
}

void frmMain::SetOrdinalCaption() {
  optFirstDateIsORD->setText(
      QString::fromStdString(OrdinalCaption(chkHyphen->isChecked(), intLanguage)));
}

void frmMain::ApplyColours() {
  const QColor cyan(0, 255, 255);
  const QColor black(0, 0, 0);
  const QColor blue(0, 0, 255);
  Paint(this, cyan, black);
  for (QWidget* w : std::initializer_list<QWidget*>{
           Frame3, Frame4, Frame5, Frame6, frmDateFormat, frmDateSeparator, lblDateDifference,
           lblDateFormat, lblDateSeparator, lblFirstDate, lblSecondDate, lblThousandsSeparator,
           lblThisIsA[0], lblThisIsA[1], lblTodaysDate[0], lblTodaysDate[1],
           lblWeekFromToday[0], lblWeekFromToday[1]}) {
    Paint(w, cyan, black);
  }
  for (QWidget* w : {lblOnlineDocumentation, lblOstrandSystems}) Paint(w, cyan, blue);

  // The calendar frames keep the standard colours, and with them the leap-week options;
  // their other options are drawn like the rest of the window.
  for (QGroupBox* frame : {Frame1, Frame2}) {
    const QPalette standard = QApplication::palette(frame);
    Paint(frame, standard.color(QPalette::Window), standard.color(QPalette::WindowText));
  }
  for (QWidget* w : std::initializer_list<QWidget*>{
           optDays, optMonths, optDateFormatIsDMY, optDateFormatIsYMD, optDateFormatIsMDY,
           optFirstDateIsCE, optFirstDateIsJC, optFirstDateIsISO, optFirstDateIsJDN,
           optFirstDateIsORD, optSecondDateIsCE, optSecondDateIsJC, optSecondDateIsISO,
           optSecondDateIsJDN, optSecondDateIsORD, optSeparatorIsSlash, optSeparatorIsDot,
           optSeparatorIsDash, optThousSepIsDot, optThousSepIsComma, optThousSepNone}) {
    Paint(w, cyan, black);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{chkIncludeWeekends, chkIncludeFirstDate,
                                                    chkVerbose, chkHyphen, chkSaveOutput,
                                                    lblHyphen}) {
    Paint(w, cyan);
  }
}

void frmMain::SetLanguageDependentText() {
  UseQtTranslations(intLanguage);
  ApplyCaptions();
}
