// SPDX-License-Identifier: MIT
// Shared by the main-window tests: the program texts, a fixed today, a message recorder with
// scripted answers, starting and quitting the real window, the user file, real clicks and keys.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <deque>
#include <memory>
#include <random>
#include <vector>

#include "engine/DateCore.h"
#include "engine/DateTypes.h"
#include "text/Language.h"
#include "ui/common/MessageBox.h"
#include "ui/common/frmClearOneTextBox.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/main/frmMain.h"

namespace testing_main {

using namespace testing_ui;
using valdora::frmClearOneTextBox;
using namespace Qt::StringLiterals;

// Records every message box and answers from a script (Ok/Yes... in order; Ok when empty).
struct Recorder {
  std::vector<valdora::MessageRequest> boxes;
  std::deque<QMessageBox::StandardButton> answers;

  void Install() {
    valdora::SetMessageRecorder([this](const valdora::MessageRequest& request) {
      boxes.push_back(request);
      if (answers.empty()) {
        return request.buttons == valdora::MsgButtons::YesNo ? QMessageBox::No : QMessageBox::Ok;
      }
      const auto answer = answers.front();
      answers.pop_front();
      return answer;
    });
  }
  static void Uninstall() { valdora::SetMessageRecorder({}); }
};

// The program texts beside the test executables; today fixed to Saturday 2008-07-12.
inline void PrepareProgram() {
  valdora::SetFixedToday(2008, 7, 12);
  LoadProgramTexts();
}

// Starts a main window as the program does; null (after a failed QVERIFY) on failure.
inline std::unique_ptr<frmMain> StartWindow() {
  auto window = std::make_unique<frmMain>();
  if (!window->Form_Load()) return nullptr;
  return window;
}

// Quits as the Quit button does and destroys the window and its dialogs.
inline void QuitWindow(std::unique_ptr<frmMain>& window) {
  window->cmdQuit_Click();
  window.reset();
}

inline void WriteUserFile(const QByteArray& content) {
  const QString path = UserFilePath();
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QCOMPARE(file.write(content), content.size());
}

inline QByteArray ReadUserFile() {
  QFile file(UserFilePath());
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// Clicks a button as the user does: on its indicator (options and check boxes react only to
// clicks on their indicator and caption, not on the empty space of a stretched control).
inline void Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, Qt::KeyboardModifiers(), QPoint(6, button->height() / 2));
}

// Types `text` into `field` key by key, as the user would.
inline void Type(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->setCursorPosition(field->text().size());
  QTest::keyClicks(field, text);
}

// The option of calendar `cal` in date group 1 or 2.
inline QRadioButton* CalOption(frmMain& w, int which, int cal) {
  return w.findChild<QRadioButton*>((which == 1 ? u"optFirstDateIs"_s : u"optSecondDateIs"_s) +
                                    Q(std::string(valdora::CalendarCodeText[cal])));
}

// One real main window per test function, for a QtTest class deriving from QObject and this:
// its initTestCase/init/cleanup/cleanupTestCase call the four steps below, in that order.
class MainWindowTestBase {
 protected:
  Recorder recorder;
  std::unique_ptr<frmMain> w;

  // Texts, fixed today and the message recorder, once for the test class.
  void StartProgram() {
    PrepareProgram();
    recorder.Install();
  }
  // A window started on the defaults (no user file), active, with no message recorded yet.
  void OpenWindow() {
    QFile::remove(UserFilePath());
    w = StartWindow();
    QVERIFY(w);
    w->activateWindow();
    recorder.boxes.clear();
  }
  void CloseWindow() { QuitWindow(w); }
  // Puts the three texts into the date fields directly, as a paste would.
  void SetFields(const QString& first, const QString& diff, const QString& second) {
    w->txbFirstDate->setText(first);
    w->txbDateDiff->setText(diff);
    w->txbSecondDate->setText(second);
  }
  // The texts of the first date, the difference and the second date.
  QStringList Fields() const {
    return {w->txbFirstDate->text(), w->txbDateDiff->text(), w->txbSecondDate->text()};
  }
  QString Output() const { return w->txbOutput->toPlainText(); }
  // The objectName of the control with the focus.
  QString Focused() const { return w->focusWidget() ? w->focusWidget()->objectName() : QString(); }
  QString LastBox() const { return recorder.boxes.empty() ? QString() : recorder.boxes.back().text; }
  static void EndProgram() { Recorder::Uninstall(); }
};

}  // namespace testing_main
