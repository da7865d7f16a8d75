// The month window and the clear-field dialog are built on first use. What the main window
// gives them before then must not be lost: the month options read from the user file are
// saved again unchanged, a reset still resets them, and a first opening after a language
// change shows that language's captions.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "tests/ui/main/MainWindowFixture.h"
#include "ui/main/UserFile.h"
#include "ui/month/frmDisplayMonth.h"

using namespace valdora;
using namespace testing_main;

namespace {

UserSettings SavedSettings() {
  const QByteArray text = ReadUserFile();
  UserSettings settings;
  ParseUserFile(std::string_view(text.constData(), text.size()), settings);
  return settings;
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
  return QStringLiteral("<none>");
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

  void optionsSurviveRunsWithoutTheWindow_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("monday");
    QTest::addColumn<bool>("julian");
    QTest::newRow("English, Sunday, CE") << 0 << false << false;
    QTest::newRow("German, Monday, JC") << 1 << true << true;
    QTest::newRow("English, Monday, CE") << 0 << true << false;
    QTest::newRow("German, Sunday, JC") << 1 << false << true;
  }
  void optionsSurviveRunsWithoutTheWindow() {
    QFETCH(int, language);
    QFETCH(bool, monday);
    QFETCH(bool, julian);
    WriteSettings(static_cast<std::int16_t>(language), monday, julian);

    // A run that never opens the month window saves its options as they were read.
    auto w = StartWindow();
    QVERIFY(w);
    QVERIFY(!frmDisplayMonth::exists());
    QVERIFY(!frmClearOneTextBox::exists());
    QuitWindow(w);
    const UserSettings saved = SavedSettings();
    QCOMPARE(saved.firstDayOfWeek, std::string(monday ? "Mon" : "Sun"));
    QCOMPARE(saved.monthCalendar, std::string(julian ? "JC" : "CE"));

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
    QCOMPARE(MonthCaption("lblFirstDayOfWeek"), QStringLiteral("Erster Tag der Woche:"));
    QCOMPARE(frmClearOneTextBox::instance().lblClear->text(), QStringLiteral("Loeschen:"));
    // Once built, a change reaches them at once.
    intLanguage = intEnglish;
    w->SetLanguageDependentText();
    QCOMPARE(MonthCaption("lblFirstDayOfWeek"), QStringLiteral("First day of week:"));
    QCOMPARE(frmClearOneTextBox::instance().lblClear->text(), QStringLiteral("Clear:"));
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
    const UserSettings saved = SavedSettings();
    QCOMPARE(saved.firstDayOfWeek, std::string("Sun"));
    QCOMPARE(saved.monthCalendar, std::string("CE"));
  }
};

QTEST_MAIN(MonthWindowOnFirstUseTest)
#include "MonthWindowOnFirstUseTest.moc"
