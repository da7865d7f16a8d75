// SPDX-License-Identifier: MIT
// Building the main window's controls, laying them out, and wiring their events to the
// window's procedures (key presses and mouse releases through one event filter).
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <initializer_list>

#include "ui/common/FocusLabel.h"
#include "ui/common/FontOnFirstUse.h"
#include "ui/common/Metrics.h"
#include "ui/main/frmMain.h"

using namespace valdora;

namespace {
template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}
}  // namespace

// ---------------------------------------------------------------------------------------
// Controls and layout
// ---------------------------------------------------------------------------------------

void frmMain::BuildControls() {
  setWindowTitle(QStringLiteral("Valdora"));

  // Input fields (Frame3).
  Frame3 = Named(new QGroupBox(this), "Frame3");
  lblFirstDate = Named(new QLabel(QStringLiteral("First date:"), Frame3), "lblFirstDate");
  lblDateDifference = Named(new QLabel(QStringLiteral("Date difference:"), Frame3), "lblDateDifference");
  lblSecondDate = Named(new QLabel(QStringLiteral("Second date:"), Frame3), "lblSecondDate");
  txbFirstDate = Named(new QLineEdit(Frame3), "txbFirstDate");
  txbDateDiff = Named(new QLineEdit(Frame3), "txbDateDiff");
  txbSecondDate = Named(new QLineEdit(Frame3), "txbSecondDate");
  cmdClearFirstDate = Named(new QPushButton(QStringLiteral("Clear"), Frame3), "cmdClearFirstDate");
  cmdClearDateDiff = Named(new QPushButton(QStringLiteral("Clear"), Frame3), "cmdClearDateDiff");
  cmdClearSecondDate = Named(new QPushButton(QStringLiteral("Clear"), Frame3), "cmdClearSecondDate");
  for (int i = 0; i < 2; ++i) {
    cmdToday[i] = new QPushButton(QStringLiteral("Today"), Frame3);
    cmdToday[i]->setObjectName(QStringLiteral("cmdToday(%1)").arg(i));
    VScroll[i] = new QScrollBar(Qt::Vertical, Frame3);
    VScroll[i]->setObjectName(QStringLiteral("VScroll(%1)").arg(i));
    VScroll[i]->setRange(-1, 1);
    VScroll[i]->setSingleStep(1);
    VScroll[i]->setPageStep(1);
    VScroll[i]->setValue(0);
    VScroll[i]->setFocusPolicy(Qt::NoFocus);
  }
  cmdMoveSecondDateToFirst =
      Named(new QPushButton(QStringLiteral("Second -> First"), Frame3), "cmdMoveSecondDateToFirst");
  for (QLineEdit* field : {txbFirstDate, txbDateDiff, txbSecondDate}) {
    field->setMinimumWidth(TwipsToPixels(2600));
    VScroll[0]->setFixedSize(TwipsToPixels(255), field->sizeHint().height());
    VScroll[1]->setFixedSize(TwipsToPixels(255), field->sizeHint().height());
  }

  Frame5 = Named(new QGroupBox(Frame3), "Frame5");
  optDays = Named(new QRadioButton(QStringLiteral("days"), Frame5), "optDays");
  optMonths = Named(new QRadioButton(QStringLiteral("months"), Frame5), "optMonths");
  {
    auto* box = new QHBoxLayout(Frame5);
    box->setContentsMargins(4, 0, 4, 0);
    box->addWidget(optDays);
    box->addWidget(optMonths);
  }

  auto* inputs = new QGridLayout(Frame3);
  inputs->addWidget(lblFirstDate, 0, 0);
  inputs->addWidget(txbFirstDate, 0, 1);
  inputs->addWidget(VScroll[0], 0, 2);
  inputs->addWidget(cmdClearFirstDate, 0, 3);
  inputs->addWidget(cmdToday[0], 1, 1, Qt::AlignLeft);
  inputs->addWidget(lblDateDifference, 2, 0);
  inputs->addWidget(txbDateDiff, 2, 1);
  inputs->addWidget(cmdClearDateDiff, 2, 3);
  inputs->addWidget(Frame5, 3, 1, Qt::AlignLeft);
  inputs->addWidget(lblSecondDate, 4, 0);
  inputs->addWidget(txbSecondDate, 4, 1);
  inputs->addWidget(VScroll[1], 4, 2);
  inputs->addWidget(cmdClearSecondDate, 4, 3);
  {
    auto* row = new QHBoxLayout;
    row->addWidget(cmdToday[1]);
    row->addWidget(cmdMoveSecondDateToFirst);
    row->addStretch();
    inputs->addLayout(row, 5, 1, 1, 3);
  }

  // Calendar options of the two dates (Frame1, Frame2).
  auto makeCalFrame = [this](int index, QGroupBox*& frame, QButtonGroup*& group,
                             std::array<QRadioButton**, 7> options, const char* prefix) {
    frame = new QGroupBox(this);
    frame->setObjectName(index == 0 ? QStringLiteral("Frame1") : QStringLiteral("Frame2"));
    lblThisIsA[index] = new QLabel(QStringLiteral("This is a"), frame);
    lblThisIsA[index]->setObjectName(QStringLiteral("lblThisIsA(%1)").arg(index));
    group = new QButtonGroup(this);
    auto* box = new QVBoxLayout(frame);
    box->setSpacing(2);
    box->addWidget(lblThisIsA[index]);
    static constexpr const char* kSuffix[7] = {"CE", "JC", "ISO", "JDN", "ORD", "LPM", "LPW"};
    static constexpr CalendarCode kCode[7] = {CE, JC, ISO, JDN, ORD, LPM, LPW};
    for (int i = 0; i < 7; ++i) {
      auto* option = new QRadioButton(QString::fromLatin1(kSuffix[i]), frame);
      option->setObjectName(QString::fromLatin1(prefix) + QString::fromLatin1(kSuffix[i]));
      group->addButton(option, kCode[i]);
      box->addWidget(option);
      *options[i] = option;
    }
    box->addStretch();
  };
  makeCalFrame(0, Frame1, grpFirstCal,
               {&optFirstDateIsCE, &optFirstDateIsJC, &optFirstDateIsISO, &optFirstDateIsJDN,
                &optFirstDateIsORD, &optFirstDateIsLPM, &optFirstDateIsLPW},
               "optFirstDateIs");
  makeCalFrame(1, Frame2, grpSecondCal,
               {&optSecondDateIsCE, &optSecondDateIsJC, &optSecondDateIsISO, &optSecondDateIsJDN,
                &optSecondDateIsORD, &optSecondDateIsLPM, &optSecondDateIsLPW},
               "optSecondDateIs");

  // Date format, date separator, thousands separator.
  auto makeOptionFrame = [this](QGroupBox* frame, QLabel*& label, const char* labelName,
                                const char* caption, QButtonGroup*& group,
                                std::array<QRadioButton**, 3> options,
                                std::array<const char*, 3> names,
                                std::array<const char*, 3> captions) {
    label = Named(new QLabel(QString::fromLatin1(caption), frame), labelName);
    group = new QButtonGroup(this);
    auto* box = new QVBoxLayout(frame);
    box->setSpacing(2);
    box->addWidget(label);
    for (int i = 0; i < 3; ++i) {
      auto* option = Named(new QRadioButton(QString::fromLatin1(captions[i]), frame), names[i]);
      group->addButton(option, i);
      box->addWidget(option);
      *options[i] = option;
    }
    box->addStretch();
  };
  frmDateFormat = Named(new QGroupBox(this), "frmDateFormat");
  makeOptionFrame(frmDateFormat, lblDateFormat, "lblDateFormat", "CE/JC date format:",
                  grpDateFormat, {&optDateFormatIsYMD, &optDateFormatIsDMY, &optDateFormatIsMDY},
                  {"optDateFormatIsYMD", "optDateFormatIsDMY", "optDateFormatIsMDY"},
                  {"year month day", "day month year", "month day year"});
  frmDateSeparator = Named(new QGroupBox(this), "frmDateSeparator");
  makeOptionFrame(frmDateSeparator, lblDateSeparator, "lblDateSeparator", "CE/JC date separator:",
                  grpSeparator, {&optSeparatorIsDash, &optSeparatorIsSlash, &optSeparatorIsDot},
                  {"optSeparatorIsDash", "optSeparatorIsSlash", "optSeparatorIsDot"},
                  {"2012-12-31", "2012/12/31", "2012.12.31"});
  Frame4 = Named(new QGroupBox(this), "Frame4");
  makeOptionFrame(Frame4, lblThousandsSeparator, "lblThousandsSeparator", "Thousands separator:",
                  grpThousSep, {&optThousSepIsComma, &optThousSepIsDot, &optThousSepNone},
                  {"optThousSepIsComma", "optThousSepIsDot", "optThousSepNone"},
                  {",", ".", "none"});
  grpUnit = new QButtonGroup(this);
  grpUnit->addButton(optDays, 0);
  grpUnit->addButton(optMonths, 1);

  // Check boxes (Frame6).
  Frame6 = Named(new QGroupBox(this), "Frame6");
  chkIncludeFirstDate = Named(new QCheckBox(QStringLiteral("Include first date in days-beween-dates"), Frame6), "chkIncludeFirstDate");
  chkIncludeWeekends = Named(new QCheckBox(QStringLiteral("Count weekend days in days-between-dates"), Frame6), "chkIncludeWeekends");
  cmdWorkingWeek = Named(new QPushButton(QStringLiteral("&Working week…"), Frame6), "cmdWorkingWeek");
  chkVerbose = Named(new QCheckBox(QStringLiteral("Verbose"), Frame6), "chkVerbose");
  chkHyphen = Named(new QCheckBox(QStringLiteral("Hyphen in ordinal and"), Frame6), "chkHyphen");
  lblHyphen = Named(new QLabel(QStringLiteral("in ISO Week dates"), Frame6), "lblHyphen");
  chkSaveOutput = Named(new QCheckBox(QStringLiteral("Save results on quit"), Frame6), "chkSaveOutput");
  {
    auto* box = new QVBoxLayout(Frame6);
    box->setSpacing(2);
    box->addWidget(chkIncludeFirstDate);
    auto* weekends = new QHBoxLayout;
    weekends->addWidget(chkIncludeWeekends);
    weekends->addWidget(cmdWorkingWeek);
    weekends->addStretch();
    box->addLayout(weekends);
    box->addWidget(chkVerbose);
    box->addWidget(chkHyphen);
    lblHyphen->setIndent(TwipsToPixels(300));
    box->addWidget(lblHyphen);
    box->addWidget(chkSaveOutput);
    box->addStretch();
  }

  // Commands.
  cmdCompute = Named(new QPushButton(QStringLiteral("Compute"), this), "cmdCompute");
  cmdDisplayMonth = Named(new QPushButton(QStringLiteral("Display month"), this), "cmdDisplayMonth");
  cmdHelp = Named(new QPushButton(QStringLiteral("Help"), this), "cmdHelp");
  cmdReset = Named(new QPushButton(QStringLiteral("Reset"), this), "cmdReset");
  cmdQuit = Named(new QPushButton(QStringLiteral("Quit"), this), "cmdQuit");

  // Today labels and links.
  for (int i = 0; i < 2; ++i) {
    lblTodaysDate[i] = new FocusLabel(QString(), this);
    lblTodaysDate[i]->setObjectName(QStringLiteral("lblTodaysDate(%1)").arg(i));
    lblWeekFromToday[i] = new FocusLabel(QString(), this);
    lblWeekFromToday[i]->setObjectName(QStringLiteral("lblWeekFromToday(%1)").arg(i));
  }
  lblOnlineDocumentation =
      Named(new FocusLabel(QStringLiteral("Online documentation"), this), "lblOnlineDocumentation");
  lblOstrandSystems = Named(new FocusLabel(QStringLiteral("Ostrand Systems"), this), "lblOstrandSystems");
  // Drawn as links: underlined here, blue by ApplyColours (a style sheet would cost the
  // program a style of its own).
  for (QLabel* link : {lblOnlineDocumentation, lblOstrandSystems}) {
    link->setCursor(Qt::PointingHandCursor);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
  }

  // Output window.
  txbOutput = Named(new QPlainTextEdit(this), "txbOutput");
  // Its fixed-pitch font is another font file to read; an empty box shows no text with it.
  SetFontOnFirstUse(txbOutput, FixedPitchFont(9));
  txbOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txbOutput->setTabChangesFocus(true);
  cmdEnlarge = Named(new QPushButton(QStringLiteral("Enlarge"), this), "cmdEnlarge");
  cmdClearOutputWindow = Named(new QPushButton(QStringLiteral("Clear"), this), "cmdClearOutputWindow");
  cmdCopyOutput = Named(new QPushButton(QStringLiteral("Copy to clipboard"), this), "cmdCopyOutput");

  Clock = new QTimer(this);
  Clock->setObjectName(QStringLiteral("Clock"));
  Clock->setInterval(1000);

  // Window layout: inputs and calendar options on top, the settings below them, then
  // today's date, the links and the commands, and the output window at the bottom.
  auto* top = new QHBoxLayout;
  top->addWidget(Frame3, 3);
  top->addWidget(Frame1, 2);
  top->addWidget(Frame2, 2);

  auto* middle = new QHBoxLayout;
  middle->addWidget(frmDateFormat);
  middle->addWidget(frmDateSeparator);
  middle->addWidget(Frame4);
  middle->addWidget(Frame6, 1);

  auto* today = new QGridLayout;
  today->addWidget(lblTodaysDate[0], 0, 0);
  today->addWidget(lblTodaysDate[1], 1, 0);
  today->addWidget(lblWeekFromToday[0], 0, 1);
  today->addWidget(lblWeekFromToday[1], 1, 1);
  today->setHorizontalSpacing(TwipsToPixels(600));

  auto* links = new QVBoxLayout;
  links->addWidget(lblOnlineDocumentation);
  links->addWidget(lblOstrandSystems);

  auto* commands = new QHBoxLayout;
  commands->addLayout(today);
  commands->addStretch();
  commands->addLayout(links);
  commands->addSpacing(TwipsToPixels(400));
  for (QPushButton* button : {cmdCompute, cmdDisplayMonth, cmdHelp, cmdReset, cmdQuit}) {
    commands->addWidget(button);
  }

  // The button column keeps one width (SetCopyOutputButton: the wider of the copy button's
  // two forms), so that the copy button's change of caption and width moves nothing else.
  auto* outputButtons = new QVBoxLayout;
  outputButtons->addWidget(cmdEnlarge, 0, Qt::AlignLeft);
  outputButtons->addWidget(cmdClearOutputWindow, 0, Qt::AlignLeft);
  outputButtons->addWidget(cmdCopyOutput, 0, Qt::AlignLeft);
  outputButtons->addStretch();
  outputColumn = new QWidget(this);
  outputColumn->setObjectName(QStringLiteral("outputColumn"));
  outputColumn->setLayout(outputButtons);
  outputButtons->setContentsMargins(0, 0, 0, 0);
  auto* output = new QHBoxLayout;
  output->addWidget(txbOutput, 1);
  output->addWidget(outputColumn);

  // Enter on a focused button presses it, as Space does (SetTheFocus leaves the focus on
  // Compute once two fields are filled).
  for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(true);

  // Controls that come and go keep their place, so that nothing moves under the pointer.
  for (QWidget* w : std::initializer_list<QWidget*>{chkIncludeFirstDate, chkIncludeWeekends, cmdWorkingWeek,
                                                    cmdEnlarge, cmdClearOutputWindow,
                                                    cmdCopyOutput, chkSaveOutput}) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
  }

  auto* window = new QVBoxLayout(this);
  window->setContentsMargins(6, 6, 6, 6);
  window->setSpacing(4);
  window->addLayout(top);
  window->addLayout(middle);
  window->addLayout(commands);
  window->addLayout(output, 1);
  txbOutput->setMinimumHeight(TwipsToPixels(2000));
  resize(TwipsToPixels(15500), TwipsToPixels(9600));
}

void frmMain::ConnectControls() {
  // Option buttons act on being selected (by the user or by code); selecting what is already
  // selected emits nothing. Check boxes act on a change of value.
  auto onSelect = [this](QRadioButton* option, auto handler) {
    connect(option, &QRadioButton::toggled, this, [this, handler](bool on) {
      if (on) (this->*handler)();
    });
  };
  onSelect(optDateFormatIsYMD, &frmMain::optDateFormatIsYMD_Click);
  onSelect(optDateFormatIsDMY, &frmMain::optDateFormatIsDMY_Click);
  onSelect(optDateFormatIsMDY, &frmMain::optDateFormatIsMDY_Click);
  onSelect(optDays, &frmMain::optDays_Click);
  onSelect(optMonths, &frmMain::optMonths_Click);
  const std::array<std::pair<QRadioButton*, const char*>, 6> separators = {{
      {optSeparatorIsDash, "-"}, {optSeparatorIsSlash, "/"}, {optSeparatorIsDot, "."},
      {optThousSepIsComma, ","}, {optThousSepIsDot, "."}, {optThousSepNone, ""}}};
  for (std::size_t i = 0; i < separators.size(); ++i) {
    const char* separator = separators[i].second;
    const bool date = i < 3;
    connect(separators[i].first, &QRadioButton::toggled, this, [this, separator, date](bool on) {
      if (!on) return;
      if (date) optSeparator_Click(separator);
      else optThousSep_Click(separator);
    });
  }
  for (QAbstractButton* option : grpFirstCal->buttons()) {
    const auto code = static_cast<std::int16_t>(grpFirstCal->id(option));
    connect(option, &QAbstractButton::toggled, this, [this, code](bool on) {
      if (on) FirstDateCalChanged(code);
    });
  }
  for (QAbstractButton* option : grpSecondCal->buttons()) {
    const auto code = static_cast<std::int16_t>(grpSecondCal->id(option));
    connect(option, &QAbstractButton::toggled, this, [this, code](bool on) {
      if (on) SecondDateCalChanged(code);
    });
  }
  for (QCheckBox* check : {chkIncludeFirstDate, chkIncludeWeekends, chkVerbose, chkSaveOutput}) {
    connect(check, &QCheckBox::toggled, this, &frmMain::chkOption_Click);
  }
  connect(chkHyphen, &QCheckBox::toggled, this, &frmMain::chkHyphen_Click);

  connect(cmdCompute, &QPushButton::clicked, this, &frmMain::cmdCompute_Click);
  connect(cmdReset, &QPushButton::clicked, this, &frmMain::cmdReset_Click);
  connect(cmdWorkingWeek, &QPushButton::clicked, this, &frmMain::cmdWorkingWeek_Click);
  connect(cmdQuit, &QPushButton::clicked, this, &frmMain::cmdQuit_Click);
  connect(cmdDisplayMonth, &QPushButton::clicked, this, &frmMain::cmdDisplayMonth_Click);
  connect(cmdHelp, &QPushButton::clicked, this, &frmMain::cmdHelp_Click);
  connect(cmdEnlarge, &QPushButton::clicked, this, &frmMain::cmdEnlarge_Click);
  connect(cmdClearOutputWindow, &QPushButton::clicked, this, &frmMain::cmdClearOutputWindow_Click);
  connect(cmdCopyOutput, &QPushButton::clicked, this, &frmMain::cmdCopyOutput_Click);
  connect(cmdClearFirstDate, &QPushButton::clicked, this, &frmMain::cmdClearFirstDate_Click);
  connect(cmdClearDateDiff, &QPushButton::clicked, this, &frmMain::cmdClearDateDiff_Click);
  connect(cmdClearSecondDate, &QPushButton::clicked, this, &frmMain::cmdClearSecondDate_Click);
  connect(cmdMoveSecondDateToFirst, &QPushButton::clicked, this,
          &frmMain::cmdMoveSecondDateToFirst_Click);
  for (int i = 0; i < 2; ++i) {
    connect(cmdToday[i], &QPushButton::clicked, this, [this, i] { cmdToday_Click(i); });
    connect(VScroll[i], &QScrollBar::valueChanged, this, [this, i] { VScroll_Change(i); });
    lblTodaysDate[i]->installEventFilter(this);
    lblWeekFromToday[i]->installEventFilter(this);
  }
  connect(Clock, &QTimer::timeout, this, &frmMain::Clock_Timer);

  // Keyboard: F1 for help and Ctrl+Q to quit from any window of the program; each field
  // tied to its label, so that a screen reader names it.
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  help->setContext(Qt::ApplicationShortcut);
  connect(help, &QShortcut::activated, this, &frmMain::cmdHelp_Click);
  auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
  quit->setContext(Qt::ApplicationShortcut);
  connect(quit, &QShortcut::activated, this, &frmMain::cmdQuit_Click);
  lblFirstDate->setBuddy(txbFirstDate);
  lblDateDifference->setBuddy(txbDateDiff);
  lblSecondDate->setBuddy(txbSecondDate);
  for (QLineEdit* field : {txbFirstDate, txbDateDiff, txbSecondDate}) field->installEventFilter(this);
  txbOutput->installEventFilter(this);
  txbOutput->viewport()->installEventFilter(this);
  lblOnlineDocumentation->installEventFilter(this);
  lblOstrandSystems->installEventFilter(this);
}

namespace {
// The key code the key handlers expect for `event`, or 0 when the key is not one of theirs
// (navigation and editing keys the text box handles itself).
int KeyAscii(const QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) return 3;
  if (event->matches(QKeySequence::Paste)) return 22;
  if (event->matches(QKeySequence::Cut)) return 24;
  switch (event->key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    default: break;
  }
  const QString text = event->text();
  if (text.size() != 1) return 0;
  const char16_t c = text.at(0).unicode();
  if (c < 32 || c == 127) return 0;
  return c;
}
}  // namespace

bool frmMain::FilterKey(QObject* watched, QKeyEvent* event) {
  const int key = KeyAscii(event);
  if (key == 0) return false;
  int result = key;
  if (watched == txbFirstDate) result = txbFirstDate_KeyPress(key);
  else if (watched == txbDateDiff) result = txbDateDiff_KeyPress(key);
  else if (watched == txbSecondDate) result = txbSecondDate_KeyPress(key);
  else if (watched == txbOutput) result = txbOutput_KeyPress(key);
  if (result == key) return false;  // the text box handles the key as usual
  if (result == 0) return true;     // dropped
  // The handler replaced the character (a typed "w" becomes "W").
  if (auto* field = qobject_cast<QLineEdit*>(watched)) field->insert(QString(QChar(result)));
  else if (watched == txbOutput) txbOutput->insertPlainText(QString(QChar(result)));
  return true;
}

void frmMain::LabelClicked(QObject* watched, int button) {
  for (int i = 0; i < 2; ++i) {
    if (watched == lblTodaysDate[i]) lblTodaysDate_MouseUp(i, button);
    if (watched == lblWeekFromToday[i]) lblWeekFromToday_MouseUp(i, button);
  }
  if (button == 1) {
    if (watched == lblOnlineDocumentation) lblOnlineDocumentation_Click();
    if (watched == lblOstrandSystems) lblOstrandSystems_Click();
  }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    if (watched == txbFirstDate || watched == txbDateDiff || watched == txbSecondDate ||
        watched == txbOutput) {
      return FilterKey(watched, static_cast<QKeyEvent*>(event));
    }
    // Space or Enter on a focused label acts as its click; with Shift as a right click.
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool press = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
                       key->key() == Qt::Key_Enter;
    if (press && qobject_cast<FocusLabel*>(watched) != nullptr) {
      LabelClicked(watched, key->modifiers() & Qt::ShiftModifier ? 2 : 1);
      return true;
    }
  } else if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int button = mouse->button() == Qt::RightButton    ? 2
                       : mouse->button() == Qt::MiddleButton ? 4
                                                             : 1;
    if (watched == txbOutput->viewport()) txbOutput_MouseUp();
    // The links open on the left button only; the today labels take every button.
    const bool link = watched == lblOnlineDocumentation || watched == lblOstrandSystems;
    if (mouse->button() == Qt::LeftButton || !link) LabelClicked(watched, button);
  }
  return QWidget::eventFilter(watched, event);
}
