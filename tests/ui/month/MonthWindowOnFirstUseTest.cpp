// The month window and the clear-field dialog are built on first use. What the main window
// gives them before then must not be lost: the month options read from the user file are
// saved again unchanged, a reset still resets them, and a first opening after a language
// change shows that language's captions.
#include <QtTest>

#include "tests/ui/main/MainWindowFixture.h"
#include "ui/main/UserFile.h"
#include "ui/month/frmDisplayMonth.h"

using namespace valdora;
using namespace testing_main;

namespace {

// The first day of the week and the calendar of the month window, as the user file holds them.
using MonthOptions = std::pair<std::string, std::string>;
MonthOptions SavedMonthOptions() {
  const QByteArray text = ReadUserFile();
  UserSettings settings;
  ParseUserFile(std::string_view(text.constData(), text.size()), settings);
  return {settings.firstDayOfWeek, settings.monthCalendar};
}

void WriteSettings(std::int16_t language, bool monday, bool julian) {
  UserSettings settings;
  settings.language = language;
  settings.firstDayOfWeek = monday ? "Mon" : "Sun";
  settings.monthCalendar = julian ? "JC" : "CE";
  WriteUserFile(QByteArray::fromStdString(FormatUserFile(settings)));
}

QString MonthCaption(const char* name) {
  auto* control = frmDisplayMonth::instance().findChild<QWidget*>(QString::fromLatin1(name));
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  return u"<none>"_s;
}

}  // namespace

class MonthWindowOnFirstUseTest : public QObject {
  Q_OBJECT

  Recorder recorder;

 private slots:
  void initTestCase() {
    PrepareProgram();
    recorder.Install();
  }
  void init() {
    QFile::remove(UserFilePath());
    recorder.boxes.clear();
    recorder.answers.clear();
  }
  void cleanup() {  // a failed check leaves them open
    if (frmDisplayMonth::exists()) frmDisplayMonth::unload();
    if (frmClearOneTextBox::exists()) frmClearOneTextBox::unload();
  }
  void cleanupTestCase() {
    Recorder::Uninstall();
    intLanguage = intEnglish;
  }

  void optionsSurviveRunsWithoutTheWindow() {
    for (auto [language, monday, julian] : {std::tuple{intEnglish, false, false}, {intGerman, true, true},
                                            {intEnglish, true, false}, {intGerman, false, true}}) {
      WriteSettings(language, monday, julian);
      const MonthOptions written{monday ? "Mon" : "Sun", julian ? "JC" : "CE"};
      // A run that never opens the month window saves its options as they were read.
      auto w = StartWindow();
      QVERIFY(w);
      QVERIFY(!frmDisplayMonth::exists());
      QVERIFY(!frmClearOneTextBox::exists());
      QuitWindow(w);
      QCOMPARE(SavedMonthOptions(), written);

      // The next run opens it with those options and in the saved language.
      w = StartWindow();
      QVERIFY(w);
      QTest::mouseClick(w->cmdDisplayMonth, Qt::LeftButton);
      frmDisplayMonth& month = frmDisplayMonth::instance();
      QVERIFY(month.isVisible());
      QCOMPARE(month.optMonday->isChecked(), monday);
      QCOMPARE(month.optSunday->isChecked(), !monday);
      QCOMPARE(month.optJulian->isChecked(), julian);
      QCOMPARE(month.optCommonEra->isChecked(), !julian);
      QCOMPARE(MonthCaption("lblMonth"), QString::fromLatin1(language ? "Monat:" : "Month:"));
      QCOMPARE(MonthCaption("optSunday"), QString::fromLatin1(language ? "Sonntag" : "Sunday"));
      QuitWindow(w);
    }
    QVERIFY(recorder.boxes.empty());
  }

  void firstOpeningShowsTheCurrentLanguage() {
    WriteSettings(intGerman, false, false);
    auto w = StartWindow();
    QVERIFY(w);
    // Changed twice before either window is built: the later language counts.
    intLanguage = intEnglish;
    w->SetLanguageDependentText();
    intLanguage = intGerman;
    w->SetLanguageDependentText();
    QTest::mouseClick(w->cmdDisplayMonth, Qt::LeftButton);
    QCOMPARE(MonthCaption("lblFirstDayOfWeek"), u"Erster Tag der Woche:"_s);
    QCOMPARE(frmClearOneTextBox::instance().lblClear->text(), u"Loeschen:"_s);
    // Once built, a change reaches them at once.
    intLanguage = intEnglish;
    w->SetLanguageDependentText();
    QCOMPARE(MonthCaption("lblFirstDayOfWeek"), u"First day of week:"_s);
    QCOMPARE(frmClearOneTextBox::instance().lblClear->text(), u"Clear:"_s);
    QuitWindow(w);
  }

  void resetWithoutTheWindowResetsItsOptions() {
    WriteSettings(intEnglish, true, true);
    auto w = StartWindow();
    QVERIFY(w);
    recorder.answers.push_back(QMessageBox::Yes);
    QTest::mouseClick(w->cmdReset, Qt::LeftButton);
    QVERIFY(!frmDisplayMonth::exists());
    QuitWindow(w);
    QCOMPARE(SavedMonthOptions(), MonthOptions("Sun", "CE"));
  }
};

QTEST_MAIN(MonthWindowOnFirstUseTest)
#include "MonthWindowOnFirstUseTest.moc"
