// SPDX-License-Identifier: MIT
// The working-week dialog and what the main window does with its choice: the weekdays (one
// always stays a working day), the holiday files with what each gave, counting with them
// while weekend days are not counted, keeping the choice across a restart, Reset, damaged
// or vanished files, and the month window's marks.
#include <QListWidget>

#include "MainWindowFixture.h"
#include "ui/main/frmWorkingWeek.h"
#include "ui/month/frmDisplayMonth.h"

using namespace valdora;
using namespace testing_main;

namespace {

QString WorkingWeekFilePath() {
  return QFileInfo(UserFilePath()).dir().filePath(QString::fromLatin1(kWorkingWeekFileName));
}

// Writes `content` into `name` in `dir`; the full path.
std::string WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
  const QString path = dir.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
  file.write(content);
  return path.toStdString();
}

const QByteArray kChristmas = "# firm holidays\r\n2024-12-24\r\n2024-12-25\r\n\r\n2024-12-26\r\n";
const QByteArray kYearly =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\n"
    "BEGIN:VEVENT\r\nUID:a@t\r\nDTSTAMP:20240101T000000Z\r\nDTSTART;VALUE=DATE:20201231\r\n"
    "RRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:b@t\r\nDTSTAMP:20240101T000000Z\r\nDTSTART;VALUE=DATE:20200101\r\n"
    "END:VEVENT\r\nEND:VCALENDAR\r\n";

// Runs `steps` on the working-week dialog once the button has opened it (it is modal).
void WithDialog(frmMain& w, std::function<void(frmWorkingWeek&)> steps) {
  bool ran = false;
  QTimer::singleShot(0, &w, [&] {
    auto* dialog = qobject_cast<frmWorkingWeek*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    ran = true;
    steps(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  w.cmdWorkingWeek->click();
  QVERIFY(ran);
}

// Sets the dialog's working days to exactly `days` (0 Sunday .. 6 Saturday).
void CheckDays(frmWorkingWeek& d, std::initializer_list<int> days) {
  for (int day : days) d.chkWorkingDay[day]->setChecked(true);
  for (int day = 0; day < 7; ++day)
    if (std::find(days.begin(), days.end(), day) == days.end())
      d.chkWorkingDay[day]->setChecked(false);
}

}  // namespace

class WorkingWeekTest : public QObject, MainWindowTestBase {
  Q_OBJECT

  QTemporaryDir dir;

  // Computes the working days from 2024-12-23 to 2024-12-31 with weekend days not counted.
  QString Count() {
    w->optDays->setChecked(true);
    w->chkIncludeWeekends->setChecked(false);
    SetFields(u"2024-12-23"_s, QString(), u"2024-12-31"_s);
    w->cmdCompute_Click();
    return w->txbDateDiff->text();
  }

 private slots:
  void initTestCase() {
    StartProgram();
    QVERIFY(dir.isValid());
  }
  void init() {
    QFile::remove(WorkingWeekFilePath());
    OpenWindow();
  }
  void cleanup() { CloseWindow(); }
  void cleanupTestCase() { EndProgram(); }

  void fileRows_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("shows");
    QTest::newRow("plain list") << kChristmas << u"3 holidays"_s;
    QTest::newRow("iCalendar, a recurring event counted once") << kYearly << u"2 holidays"_s;
    QTest::newRow("bad line named by its number")
        << QByteArray("2024-12-24\n24.12.2024\n") << u"line 2"_s;
    QTest::newRow("missing file") << QByteArray() << u"holidays-missing"_s;
  }
  void fileRows() {
    QFETCH(QByteArray, content);
    QFETCH(QString, shows);
    const std::string path =
        content.isEmpty()
            ? dir.filePath(u"holidays-missing.txt"_s).toStdString()
            : WriteFile(dir, QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_'),
                        content);
    frmWorkingWeek d(WorkingWeekSettings{kMondayToFriday, {path}}, 0);
    QCOMPARE(d.lstHolidayFiles->count(), 1);
    const QString row = d.lstHolidayFiles->item(0)->text();
    QVERIFY2(row.startsWith(Q(path)) && row.contains(shows), qPrintable(row));
  }

  void lastWorkingDayStays_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("says");
    QTest::newRow("English") << 0 << u"At least one weekday must stay a working day."_s;
    QTest::newRow("German") << 1 << u"Mindestens ein Wochentag muss ein Arbeitstag bleiben."_s;
  }
  void lastWorkingDayStays() {
    QFETCH(int, language);
    QFETCH(QString, says);
    frmWorkingWeek d(WorkingWeekSettings{}, static_cast<std::int16_t>(language));
    for (int day : {1, 2, 3, 4}) Click(d.chkWorkingDay[day]);
    QVERIFY(d.lblProblem->text().isEmpty());
    Click(d.chkWorkingDay[5]);  // Friday, the last one
    QVERIFY(d.chkWorkingDay[5]->isChecked());
    QCOMPARE(d.lblProblem->text(), says);
    QCOMPARE(d.Choice().week, WeekdaySet{1u << 5});
    Click(d.chkWorkingDay[0]);  // another day checked: the message goes
    QVERIFY(d.lblProblem->text().isEmpty());
  }

  void captions_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("texts");  // title, Monday, Remove, main window's button
    QTest::newRow("English") << 0
                             << QStringList{u"Working week"_s, u"Monday"_s, u"Remove"_s,
                                            u"&Working week…"_s};
    QTest::newRow("German") << 1
                            << QStringList{u"Arbeitswoche"_s, u"Montag"_s, u"Entfernen"_s,
                                           u"&Arbeitswoche…"_s};
  }
  void captions() {
    QFETCH(int, language);
    QFETCH(QStringList, texts);
    frmWorkingWeek d(WorkingWeekSettings{}, static_cast<std::int16_t>(language));
    QCOMPARE(
        (QStringList{d.windowTitle(), d.chkWorkingDay[1]->text(), d.cmdRemoveHolidayFile->text()}),
        texts.mid(0, 3));
    intLanguage = static_cast<std::int16_t>(language);
    w->SetLanguageDependentText();
    QCOMPARE(w->cmdWorkingWeek->text(), texts[3]);
    intLanguage = 0;
    w->SetLanguageDependentText();
  }

  // Every control is named, and the tab order starts at Monday.
  void controlsNamedAndTabOrderFromMonday_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("English") << 0;
    QTest::newRow("German") << 1;
  }
  void controlsNamedAndTabOrderFromMonday() {
    QFETCH(int, language);
    frmWorkingWeek d(WorkingWeekSettings{}, static_cast<std::int16_t>(language));
    for (QWidget* child : d.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      QVERIFY2(!child->objectName().isEmpty(), child->metaObject()->className());
    QCOMPARE(d.chkWorkingDay[1]->nextInFocusChain(), d.chkWorkingDay[2]);
  }

  void addAndRemove() {
    const std::string a = WriteFile(dir, u"a.txt"_s, kChristmas);
    const std::string b = WriteFile(dir, u"b.ics"_s, kYearly);
    frmWorkingWeek d(WorkingWeekSettings{}, 0);
    QVERIFY(!d.cmdRemoveHolidayFile->isEnabled());
    QVERIFY(d.AddHolidayFile(a));
    QVERIFY(d.AddHolidayFile(b));
    QVERIFY(d.AddHolidayFile(a));  // listed already: only selected
    QCOMPARE(d.lstHolidayFiles->count(), 2);
    QCOMPARE(d.lstHolidayFiles->currentRow(), 0);
    QVERIFY(!d.AddHolidayFile("/x\ny.txt"));
    QVERIFY(!d.lblProblem->text().isEmpty());
    QCOMPARE(d.Choice().holidayFiles, (std::vector<std::string>{a, b}));
    d.cmdRemoveHolidayFile->click();
    QCOMPARE(d.Choice().holidayFiles, std::vector<std::string>{b});
    d.cmdRemoveHolidayFile->click();
    QVERIFY(d.Choice().holidayFiles.empty());
    QVERIFY(!d.cmdRemoveHolidayFile->isEnabled());
    d.cmdRemoveHolidayFile->click();  // nothing left: nothing happens
    QCOMPARE(d.lstHolidayFiles->count(), 0);
  }

  // The choice counts, survives a restart (the user file keeping its fifteen lines), and
  // Reset brings back Monday to Friday without holidays.
  void countKeepReset() {
    const std::string holidays = WriteFile(dir, u"christmas.txt"_s, kChristmas);
    QCOMPARE(Count(), u"6"_s);
    WithDialog(*w, [&](frmWorkingWeek& d) {
      CheckDays(d, {1, 2, 3, 4});
      QVERIFY(d.AddHolidayFile(holidays));
      d.cmdOK->click();
    });
    QCOMPARE(Count(), u"2"_s);
    w->chkIncludeWeekends->setChecked(true);
    SetFields(u"2024-12-23"_s, QString(), u"2024-12-31"_s);
    w->cmdCompute_Click();
    QCOMPARE(w->txbDateDiff->text(), u"8"_s);  // weekend days counted: nothing changes

    // Cancel keeps the choice.
    WithDialog(*w, [&](frmWorkingWeek& d) {
      CheckDays(d, {0});
      d.cmdCancel->click();
    });
    QCOMPARE(w->WorkingWeek.week, WeekdaySet{0x1E});

    CloseWindow();
    QCOMPARE(ReadUserFile().count("\r\n"), 15);
    QVERIFY(QFileInfo::exists(WorkingWeekFilePath()));
    w = StartWindow();
    QVERIFY(w);
    QCOMPARE(w->WorkingWeek, (WorkingWeekSettings{0x1E, {holidays}}));
    QCOMPARE(Count(), u"2"_s);

    recorder.answers = {QMessageBox::Yes};
    w->cmdReset_Click();
    QVERIFY(w->WorkingWeek.IsDefault());
    QVERIFY(!QFileInfo::exists(WorkingWeekFilePath()));
    QCOMPARE(Count(), u"6"_s);
  }

  void startUp_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("kept");
    QTest::newRow("damaged file: the default") << QByteArray("Caturday\r\n") << false;
    QTest::newRow("binary junk: the default") << QByteArray("\0\xff\r\n\x01", 5) << false;
    QTest::newRow("readable file") << QByteArray("Fri,Sat,Sun\r\n") << true;
  }
  void startUp() {
    QFETCH(QByteArray, file);
    QFETCH(bool, kept);
    CloseWindow();
    QFile out(WorkingWeekFilePath());
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(file);
    out.close();
    w = StartWindow();
    QVERIFY(w);
    QCOMPARE(w->WorkingWeek.week, kept ? WeekdaySet{0x1E} : kMondayToFriday);
    QCOMPARE(Count(), kept ? u"5"_s : u"6"_s);  // Mon..Thu: 24, 25, 26, 30, 31
  }

  // A holiday file gone since it was chosen: counting fails with its reason instead of
  // counting without its holidays.
  void vanishedHolidayFile() {
    const std::string path = WriteFile(dir, u"gone.txt"_s, kChristmas);
    WithDialog(*w, [&](frmWorkingWeek& d) {
      QVERIFY(d.AddHolidayFile(path));
      d.cmdOK->click();
    });
    QFile::remove(Q(path));
    CloseWindow();
    w = StartWindow();
    QVERIFY(w);
    recorder.boxes.clear();
    QCOMPARE(w->WorkingWeek.holidayFiles, std::vector<std::string>{path});
    const QString result = Count();
    QVERIFY2(result.isEmpty() || result != u"6"_s, qPrintable(result));
    QVERIFY(!recorder.boxes.empty());
    QVERIFY2(LastBox().contains(u"gone.txt"_s), qPrintable(LastBox()));
  }

  void monthMarks_data() {
    QTest::addColumn<bool>("chosen");
    QTest::newRow("default week: the grid as always") << false;
    QTest::newRow("Monday to Thursday with Christmas: marked") << true;
  }
  void monthMarks() {
    QFETCH(bool, chosen);
    w->txbFirstDate->setText(u"2024-12-23"_s);
    if (chosen) {
      w->SetWorkingWeek(WorkingWeekSettings{0x1E, {WriteFile(dir, u"marks.txt"_s, kChristmas)}});
    }
    w->cmdDisplayMonth_Click();
    frmDisplayMonth& month = frmDisplayMonth::instance();
    const QString grid = month.txbMonth->toPlainText();
    QCOMPARE(grid.contains(u"23* "_s), false);
    QCOMPARE(grid.contains(u"24* "_s), chosen);
    QCOMPARE(grid.contains(u"27* "_s), chosen);  // a Friday, a rest day
    QCOMPARE(grid.contains(u'*'), chosen);
    QCOMPARE(Q(month.CopyText()).contains(u"25* "_s), chosen);
    // Back to the default: the open month window loses its marks at once.
    w->SetWorkingWeek(WorkingWeekSettings{});
    QVERIFY(!month.txbMonth->toPlainText().contains(u'*'));
    month.cmdClose_Click();
  }
};

QTEST_MAIN(WorkingWeekTest)
#include "WorkingWeekTest.moc"
