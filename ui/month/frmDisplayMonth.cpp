// SPDX-License-Identifier: MIT
// The month window: controls, load and activation, the month and year steps, the ISO column
// and the clipboard. The texts themselves come from MonthGrid.
#include "ui/month/frmDisplayMonth.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <utility>

#include "text/GenText.h"
#include "text/Language.h"
#include "ui/common/Keyboard.h"
#include "ui/common/LazyWindow.h"
#include "ui/common/MessageBox.h"
#include "ui/common/Metrics.h"
#include "ui/main/WindowCaptions.h"
#include "presentation/MonthGrid.h"
#include "presentation/MonthMarks.h"

using namespace valdora;

namespace {

// Written by the main window while no month window is loaded; the next load takes it over.
struct KeptForLoad {
  bool hasOptions = false;
  bool monday = false;
  bool julian = false;
  std::int16_t captionLanguage = -1;  // -1: the design captions
};
LazyWindow<frmDisplayMonth, KeptForLoad> theMonthWindow;

constexpr int kMarginTwips = 120;
constexpr int kRowTwips = 420;         // vertical step of the controls at the top
constexpr int kControlTwips = 330;     // height of a one-line control
constexpr int kLabelWidthTwips = 2400;
constexpr int kFieldLeftTwips = kMarginTwips + kLabelWidthTwips;
constexpr int kFieldWidthTwips = 2600;
constexpr int kFrameWidthTwips = 3200;    // room for "Julianisch" beside "Common Era"
constexpr int kButtonLeftTwips = kFieldLeftTwips + kFrameWidthTwips + 120;
constexpr int kButtonWidthTwips = 3300;
constexpr int kBelowTwips = 550;       // the height rule: bottom control + 550 twips
constexpr int kGridColumns = 36;       // a grid row: one blank and seven five-character cells
constexpr int kIsoColumns = 63;        // seven nine-character ISO cells
constexpr int kTextRows = 7;           // header and up to six week rows

QString Q(const std::string& text) { return QString::fromStdString(text); }

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QRect Twips(int left, int top, int width, int height) {
  return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

// A read-only, unwrapped text box in the fixed-pitch font, sized for `columns` x kTextRows.
QPlainTextEdit* GridBox(QWidget* parent, const char* name, int columns) {
  auto* box = Named(new QPlainTextEdit(parent), name);
  box->setFont(FixedPitchFont());
  box->setLineWrapMode(QPlainTextEdit::NoWrap);
  box->setReadOnly(true);
  box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const QFontMetrics metrics(box->font());
  const int frame = 2 * box->frameWidth() + 2 * static_cast<int>(box->document()->documentMargin());
  box->resize(metrics.horizontalAdvance(QString(columns, QLatin1Char('0'))) + frame + 4,
              metrics.lineSpacing() * kTextRows + frame + 4);
  return box;
}

int Bottom(const QWidget* widget) { return widget->y() + widget->height(); }

}  // namespace

frmDisplayMonth& frmDisplayMonth::instance() {
  return theMonthWindow.Get(
      [] {
        auto* window = new frmDisplayMonth;
        window->Form_Load();
        return window;
      },
      [](frmDisplayMonth& window, const KeptForLoad& taken) {
        if (taken.hasOptions) window.CheckOptions(taken.monday, taken.julian);
        if (taken.captionLanguage >= 0) ApplyCaptions(taken.captionLanguage);
      });
}

void frmDisplayMonth::ApplyCaptions(std::int16_t language) {
  frmDisplayMonth* window = theMonthWindow.Loaded();
  if (window == nullptr) {
    theMonthWindow.kept().captionLanguage = language;
    return;
  }
  WriteCaptions(window, CaptionWindow::Month, language);
}

void frmDisplayMonth::SetOptions(bool monday, bool julian) {
  frmDisplayMonth* window = theMonthWindow.Loaded();
  if (window == nullptr) {
    KeptForLoad& kept = theMonthWindow.kept();
    kept.hasOptions = true;
    kept.monday = monday;
    kept.julian = julian;
    return;
  }
  // The owner writes the options while it starts; the ISO controls follow at the window's
  // next activation.
  window->blnHoldISOControls = true;
  window->CheckOptions(monday, julian);
  window->blnHoldISOControls = false;
}

void frmDisplayMonth::CheckOptions(bool monday, bool julian) {
  (monday ? optMonday : optSunday)->setChecked(true);
  (julian ? optJulian : optCommonEra)->setChecked(true);
}

void frmDisplayMonth::GetOptions(bool& monday, bool& julian) {
  if (const frmDisplayMonth* window = theMonthWindow.Loaded()) {
    monday = !window->optSunday->isChecked();
    julian = !window->optCommonEra->isChecked();
  } else {
    const KeptForLoad& kept = theMonthWindow.kept();
    monday = kept.hasOptions && kept.monday;
    julian = kept.hasOptions && kept.julian;
  }
}

bool frmDisplayMonth::exists() { return theMonthWindow.Loaded() != nullptr; }

void frmDisplayMonth::unload() { theMonthWindow.Unload(); }

frmDisplayMonth::frmDisplayMonth() : QWidget(nullptr) {
  setObjectName(QStringLiteral("frmDisplayMonth"));
  setWindowTitle(QStringLiteral("Display month"));
  setAttribute(Qt::WA_QuitOnClose, false);
  CloseOnEscape(this, &frmDisplayMonth::cmdClose_Click);
  BuildControls();
  ConnectControls();
}

frmDisplayMonth::~frmDisplayMonth() {
  theMonthWindow.Forget(this);
}

void frmDisplayMonth::BuildControls() {
  const auto label = [this](const char* name, const char* caption, int row) {
    auto* l = Named(new QLabel(QString::fromLatin1(caption), this), name);
    l->setGeometry(Twips(kMarginTwips, kMarginTwips + row * kRowTwips + 30, kLabelWidthTwips,
                         kControlTwips - 30));
    return l;
  };
  const auto fieldRect = [](int row) {
    return Twips(kFieldLeftTwips, kMarginTwips + row * kRowTwips, kFieldWidthTwips,
                 kControlTwips);
  };

  lblMonth = label("lblMonth", "Month:", 0);
  cboMonths = Named(new QComboBox(this), "cboMonths");
  cboMonths->setGeometry(fieldRect(0));
  lblYear = label("lblYear", "Year:", 1);
  txbYear = Named(new QLineEdit(QStringLiteral("2005"), this), "txbYear");
  txbYear->setGeometry(fieldRect(1));
  txbYear->setMaxLength(32);

  // The two option pairs, each in a frame of its own so that each pair is exclusive.
  const auto frame = [this](int row) {
    auto* f = new QGroupBox(this);
    f->setFlat(true);
    f->setStyleSheet(QStringLiteral("QGroupBox { border: 0; margin: 0; padding: 0; }"));
    f->setGeometry(Twips(kFieldLeftTwips, kMarginTwips + row * kRowTwips, kFrameWidthTwips,
                         kControlTwips));
    auto* layout = new QHBoxLayout(f);
    layout->setContentsMargins(0, 0, 0, 0);
    return f;
  };
  lblCalendar = label("lblCalendar", "Calendar:", 2);
  fraCalendar = frame(2);
  optJulian = Named(new QRadioButton(QStringLiteral("Julian"), fraCalendar), "optJulian");
  optCommonEra = Named(new QRadioButton(QStringLiteral("Common Era"), fraCalendar), "optCommonEra");
  fraCalendar->layout()->addWidget(optJulian);
  fraCalendar->layout()->addWidget(optCommonEra);
  lblFirstDayOfWeek = label("lblFirstDayOfWeek", "First day of week:", 3);
  fraFirstDay = frame(3);
  optSunday = Named(new QRadioButton(QStringLiteral("Sunday"), fraFirstDay), "optSunday");
  optMonday = Named(new QRadioButton(QStringLiteral("Monday"), fraFirstDay), "optMonday");
  fraFirstDay->layout()->addWidget(optSunday);
  fraFirstDay->layout()->addWidget(optMonday);
  lblMonth->setBuddy(cboMonths);
  lblYear->setBuddy(txbYear);

  const auto button = [this](const char* name, const char* caption, int row) {
    auto* b = Named(new QPushButton(QString::fromLatin1(caption), this), name);
    b->setGeometry(Twips(kButtonLeftTwips, kMarginTwips + row * kRowTwips - 15,
                         kButtonWidthTwips, kControlTwips + 30));
    return b;
  };
  cmdDisplay = button("cmdDisplay", "Display month", 0);
  cmdDisplayNextMonth[0] = button("cmdDisplayNextMonth(0)", "Display next month", 1);
  cmdDisplayNextMonth[1] = button("cmdDisplayNextMonth(1)", "Display previous month", 2);
  cmdCopyToClipboard = button("cmdCopyToClipboard", "Copy to clipboard", 3);
  cmdClose = button("cmdClose", "Close", 4);

  const int gap = TwipsToPixels(kMarginTwips);
  const int left = TwipsToPixels(kMarginTwips);
  txbMonth = GridBox(this, "txbMonth", kGridColumns);
  txbMonth->move(left, Bottom(cmdClose) + gap);

  cmdShowHideISO = Named(new QPushButton(QStringLiteral("Display ISO 8601 Week dates"), this),
                         "cmdShowHideISO");
  cmdShowHideISO->setGeometry(left, Bottom(txbMonth) + gap, TwipsToPixels(4000),
                              TwipsToPixels(kControlTwips + 30));
  chkWithYear = Named(new QCheckBox(QStringLiteral("with final digit of year"), this),
                      "chkWithYear");
  chkWithYear->setGeometry(left, Bottom(cmdShowHideISO) + gap / 2, TwipsToPixels(5000),
                           TwipsToPixels(kControlTwips));
  txbISODates = GridBox(this, "txbISODates", kIsoColumns);
  txbISODates->move(left, Bottom(chkWithYear) + gap / 2);

  // Until SetISOControlsEnabled has seen the options, the ISO column cannot be opened.
  cmdShowHideISO->setEnabled(false);
  chkWithYear->setEnabled(false);

  const int width = std::max({txbISODates->x() + txbISODates->width(),
                              txbMonth->x() + txbMonth->width(),
                              cmdClose->x() + cmdClose->width()}) + gap;
  setFixedSize(width, Bottom(cmdShowHideISO) + TwipsToPixels(kBelowTwips));
}

void frmDisplayMonth::ConnectControls() {
  connect(cmdDisplay, &QPushButton::clicked, this, &frmDisplayMonth::cmdDisplay_Click);
  connect(cboMonths, &QComboBox::currentIndexChanged, this, &frmDisplayMonth::cboMonths_Click);
  txbYear->installEventFilter(this);
  for (int index = 0; index < 2; ++index) {
    connect(cmdDisplayNextMonth[index], &QPushButton::clicked, this,
            [this, index] { cmdDisplayNextMonth_Click(index); });
  }
  for (QRadioButton* option : {optCommonEra, optJulian, optSunday, optMonday}) {
    connect(option, &QRadioButton::toggled, this, [this](bool on) {
      if (on) optCalendarOrFirstDay_Click();
    });
  }
  connect(cmdShowHideISO, &QPushButton::clicked, this, &frmDisplayMonth::cmdShowHideISO_Click);
  connect(chkWithYear, &QCheckBox::toggled, this, &frmDisplayMonth::chkWithYear_Click);
  connect(cmdCopyToClipboard, &QPushButton::clicked, this,
          &frmDisplayMonth::cmdCopyToClipboard_Click);
  connect(cmdClose, &QPushButton::clicked, this, &frmDisplayMonth::cmdClose_Click);
  connect(qApp, &QGuiApplication::focusWindowChanged, this,
          &frmDisplayMonth::FocusWindowChanged);
}

// ---- Load and activation ----

void frmDisplayMonth::FillMonths() {
  const int index = cboMonths->currentIndex();
  const QSignalBlocker block(cboMonths);
  cboMonths->clear();
  const std::int16_t language = intLanguage == intGerman ? intGerman : intEnglish;
  for (int month = 0; month < 12; ++month) cboMonths->addItem(Q(MonthName(0, month, language)));
  cboMonths->setCurrentIndex(index < 0 ? 0 : index);
}

void frmDisplayMonth::Form_Load() {
  FillMonths();
  cboMonths->setCurrentIndex(0);
  chkWithYear->setChecked(true);
  blnISOShown = true;
  cmdShowHideISO_Click();
}

void frmDisplayMonth::Form_Activate() {
  setWindowTitle(Q(FixedText("Display month", intLanguage == intGerman ? intGerman : intEnglish)));
  intTextLanguage = intLanguage;
  FillMonths();
  // Re-selecting the month re-displays it, but without the year message: the return from
  // that very message activates the window again, and would bring it back for ever.
  DisplayMonth(false);
  if (!optSunday->isChecked()) optMonday->setChecked(true);
  if (!optJulian->isChecked()) optCommonEra->setChecked(true);
  HideISOColumn();
  txbYear->setEnabled(true);
  cboMonths->setEnabled(true);
  cmdCopyToClipboard->setEnabled(true);
  // The options may have been set during start-up, when the enabled state was not updated.
  SetISOControlsEnabled();
}

// Activation means coming from another window of the program (or the first showing); the
// return from a box or popup of this window itself is not one, so a message shown by
// DisplayMonth cannot bring itself back.
void frmDisplayMonth::FocusWindowChanged(QWindow* window) {
  if (window == nullptr) return;  // the program lost the focus; it comes back to lastFocusWindow
  QWindow* mine = windowHandle();
  const QWindow* previous = lastFocusWindow;
  lastFocusWindow = window;
  if (mine == nullptr || window != mine || previous == mine) return;
  for (const QWindow* w = previous; w != nullptr; w = w->transientParent()) {
    if (w->transientParent() == mine) return;
  }
  Form_Activate();
}

// ---- The month ----

void frmDisplayMonth::ShowYearMessage() {
  const std::int16_t language = intLanguage == intGerman ? intGerman : intEnglish;
  ShowMessage(this, Q(FixedText("Please specify year", language)),
              Q(FixedText("Invalid input", language)));
}

void frmDisplayMonth::DisplayMonth(bool askForYear) {
  if (!isVisible()) return;
  const int index = cboMonths->currentIndex();
  if (index < 0 || index > 11) return;  // only while the list is refilled
  std::int32_t year = 0;
  if (!ReadMonthYear(txbYear->text().toStdString(), year)) {
    if (askForYear) ShowYearMessage();
    return;
  }
  MonthGrid grid = BuildMonthGrid(year, index + 1, optJulian->isChecked(),
                                  optMonday->isChecked(), intLanguage);
  if (WorkingDays) {
    const Jdn last = grid.firstCellJdn + 7 * grid.numWeeks - 1;
    if (const WorkingCalendar* calendar = WorkingDays(grid.firstCellJdn, last))
      MarkRestDays(grid, *calendar);
  }
  txbMonth->setPlainText(Q(grid.text));
  lngFirstCellJDN = grid.firstCellJdn;
  intNumWeeks = grid.numWeeks;
  if (blnISOShown) DisplayISOWeekDates();
  cmdClose->setFocus();
}

void frmDisplayMonth::DisplayISOWeekDates() {
  if (!blnISOShown) return;
  txbISODates->setPlainText(
      Q(IsoColumnText(lngFirstCellJDN, intNumWeeks, chkWithYear->isChecked(), intLanguage)));
  cmdClose->setFocus();
}

void frmDisplayMonth::SetISOControlsEnabled() {
  if (blnHoldISOControls) return;
  const bool enabled = optCommonEra->isChecked() && optMonday->isChecked();
  cmdShowHideISO->setEnabled(enabled);
  chkWithYear->setEnabled(enabled);
}

// ---- Events ----

void frmDisplayMonth::cmdDisplay_Click() { DisplayMonth(); }

void frmDisplayMonth::cboMonths_Click() { DisplayMonth(); }

void frmDisplayMonth::txbYear_KeyUp(int keyCode) {
  if (keyCode == 13) DisplayMonth();
}

bool frmDisplayMonth::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txbYear && (event->type() == QEvent::KeyPress ||
                             event->type() == QEvent::KeyRelease)) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && !key->isAutoRepeat()) {
      if (event->type() == QEvent::KeyPress) {
        enterPressedInYear = true;
      } else if (enterPressedInYear) {
        // Only an Enter that went down here: the key up of the Enter that closed a message
        // box would otherwise show the box again.
        enterPressedInYear = false;
        txbYear_KeyUp(13);
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void frmDisplayMonth::cmdDisplayNextMonth_Click(int index) {
  const QString text = txbYear->text().trimmed();
  txbYear->setText(text);
  if (text.isEmpty()) return;
  std::int32_t year = 0;
  if (!ReadMonthYear(text.toStdString(), year)) {
    ShowYearMessage();
    return;
  }
  int month = cboMonths->currentIndex();
  bool newYear = false;
  if (index == 0) {
    newYear = month > 10;
    month = newYear ? 0 : month + 1;
    if (newYear) ++year;
  } else {
    newYear = month < 1;
    month = newYear ? 11 : month - 1;
    if (newYear) --year;
  }
  if (year > MaxAbsYear || year < -MaxAbsYear) {
    ShowYearMessage();  // the step would leave the years the calendars convert
    return;
  }
  if (newYear) txbYear->setText(QString::number(year));
  {
    const QSignalBlocker block(cboMonths);  // one display below, not two
    cboMonths->setCurrentIndex(month);
  }
  DisplayMonth();
}

void frmDisplayMonth::optCalendarOrFirstDay_Click() {
  DisplayMonth();
  if (blnISOShown && !(optCommonEra->isChecked() && optMonday->isChecked())) HideISOColumn();
  SetISOControlsEnabled();
}

void frmDisplayMonth::HideISOColumn() {
  cmdShowHideISO->setText(Q(ProgramText(14)));
  setFixedHeight(Bottom(cmdShowHideISO) + TwipsToPixels(kBelowTwips));
  blnISOShown = false;
}

void frmDisplayMonth::ShowISOColumn() {
  cmdShowHideISO->setText(Q(ProgramText(15)));
  setFixedHeight(Bottom(txbISODates) + TwipsToPixels(kBelowTwips));
  blnISOShown = true;
  DisplayISOWeekDates();
}

void frmDisplayMonth::cmdShowHideISO_Click() {
  if (blnISOShown) {
    HideISOColumn();
  } else {
    ShowISOColumn();
  }
}

void frmDisplayMonth::chkWithYear_Click() {
  if (blnISOShown) DisplayISOWeekDates();
}

std::string frmDisplayMonth::CopyText() const {
  const int month = std::clamp(cboMonths->currentIndex(), 0, 11) + 1;
  const std::string heading = MonthCopyHeading(month, txbYear->text().toStdString(),
                                               optJulian->isChecked(), intLanguage);
  const std::string grid = txbMonth->toPlainText().toStdString();
  if (!blnISOShown) return JoinMonthCopyText(heading, grid, nullptr, intTextLanguage);
  const std::string iso = txbISODates->toPlainText().toStdString();
  return JoinMonthCopyText(heading, grid, &iso, intTextLanguage);
}

void frmDisplayMonth::cmdCopyToClipboard_Click() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(Q(CopyText()));
  cmdClose->setFocus();
}

void frmDisplayMonth::cmdClose_Click() {
  if (blnISOShown) HideISOColumn();
  hide();
  emit closed();
}

void frmDisplayMonth::closeEvent(QCloseEvent* event) {
  cmdClose_Click();
  event->accept();
  // Unloaded: the next instance() loads a fresh window. Deleted later, as this event is
  // still being delivered to it.
  theMonthWindow.Forget(this);
  deleteLater();
}
