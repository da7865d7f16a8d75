// Shared by the main-window tests: the program texts, a fixed today, a message recorder with
// scripted answers, starting and quitting the real window, and the user file's place.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QAbstractButton>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>
#include <deque>
#include <memory>
#include <vector>

#include "engine/DateCore.h"
#include "engine/DateTypes.h"
#include "text/Language.h"
#include "ui/common/MessageBox.h"
#include "ui/common/frmClearOneTextBox.h"
#include "ui/main/frmMain.h"

namespace testing_main {

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
  valdora::SetProgramFolder(QCoreApplication::applicationDirPath().toStdString());
  valdora::SetFixedToday(2008, 7, 12);
  std::string message;
  QVERIFY2(valdora::LoadProgramText("vdr.dat", message) >= 1, message.c_str());
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

inline QString UserFilePath() {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return QDir::cleanPath(base + QLatin1Char('/') +
                         QString::fromStdString(valdora::ProgramText(310)) +
                         QStringLiteral("/vdr.usr"));
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

}  // namespace testing_main
