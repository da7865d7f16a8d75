// SPDX-License-Identifier: MIT
// The user file against what real machines do: an output too large to keep whole, a full
// disk, pipes, endless devices, device nodes and links at the file's path; and the program
// started without a display. Every failed save leaves the previous file byte for byte.
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "MainWindowFixture.h"
#include "presentation/UserFile.h"

using namespace valdora;
using namespace testing_main;

namespace {

std::string S(const QString& text) { return text.toStdString(); }

// The settings a restart must keep, read off the window.
QString Settings(const frmMain& w) {
  return u"%1 %2 %3 %4%5%6 %7|%8|%9"_s.arg(w.UsersDateFormat())
      .arg(w.GetCal(1))
      .arg(w.GetCal(2))
      .arg(int(w.chkVerbose->isChecked()))
      .arg(int(w.chkIncludeWeekends->isChecked()))
      .arg(int(w.optMonths->isChecked()))
      .arg(w.txbFirstDate->text(), w.txbDateDiff->text(), w.txbSecondDate->text());
}

// Moves settings away from their defaults.
void ChangeSettings(frmMain& w) {
  for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
           w.optDateFormatIsDMY, w.optFirstDateIsJC, w.optSecondDateIsORD, w.chkVerbose,
           w.chkIncludeWeekends, w.optMonths}) {
    Click(button);
  }
  w.txbFirstDate->setText(u"01-02-2020"_s);
  w.txbDateDiff->setText(u"30"_s);
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The names in a folder, to see that a save left no file behind.
QStringList Names(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                QDir::NoDotAndDotDot);
}

// What lstat tells of a path (type, device, inode, link target), to see it left alone.
QString Describe(const QString& path) {
  struct stat info {};
  if (::lstat(path.toLocal8Bit().constData(), &info) != 0) return u"missing"_s;
  QString text = u"%1 %2 %3"_s.arg(info.st_mode).arg(info.st_rdev).arg(info.st_ino);
  if (S_ISLNK(info.st_mode)) text += u" -> "_s + QFile::symLinkTarget(path);
  return text;
}

// A tmpfs of `kib` KiB mounted on `at` while it lives; unmounted even when a check fails.
class TmpfsMount {
 public:
  TmpfsMount(const QString& at, int kib) : at_(at.toLocal8Bit()) {
    const QByteArray options = "size=" + QByteArray::number(kib) + "k";
    mounted_ = ::mount("tmpfs", at_.constData(), "tmpfs", 0, options.constData()) == 0;
    error_ = errno;
  }
  ~TmpfsMount() {
    if (mounted_) ::umount2(at_.constData(), MNT_DETACH);
  }
  TmpfsMount(const TmpfsMount&) = delete;
  TmpfsMount& operator=(const TmpfsMount&) = delete;
  bool mounted() const { return mounted_; }
  QByteArray why() const { return std::strerror(error_); }

 private:
  QByteArray at_;
  bool mounted_ = false;
  int error_ = 0;
};

// Fills the file system of `folder` with a file, then frees `room` bytes of it again.
bool FillLeaving(const QString& folder, qint64 room) {
  const QByteArray path = (folder + u"/filler"_s).toLocal8Bit();
  const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) return false;
  const QByteArray block(4096, 'f');
  qint64 size = 0;
  for (ssize_t n; (n = ::write(fd, block.constData(), block.size())) > 0;) size += n;
  const bool full = errno == ENOSPC;
  const bool freed = ::ftruncate(fd, std::max<qint64>(0, size - room)) == 0;
  ::close(fd);
  return full && freed;
}

// What is put at the user file's path for a hostile-path case.
enum Thing {
  Pipe,
  LinkToPipe,
  EndlessDevice,
  LinkToEndlessDevice,
  LinkToNullDevice,
  Folder,
  DanglingLink
};

}  // namespace

class UserFileSafetyTest : public QObject, MainWindowTestBase {
  Q_OBJECT

  QTemporaryDir temp;

 private slots:
  void initTestCase() {
    StartProgram();
    QVERIFY(temp.isValid());
  }
  void init() {
    OpenWindow();
    QDir(temp.path()).removeRecursively();
    QDir().mkpath(temp.path());
  }
  void cleanup() {
    if (!w) return;
    w->strUserFile = S(UserFilePath());
    CloseWindow();
  }
  void cleanupTestCase() { EndProgram(); }

  void savedOutputIsTheNewestPart_data() {
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QByteArray>("kept");
    const int limit = int(MaxSavedOutputSize);
    const QByteArray lines = QByteArray("newest line\n").repeated(limit / 12);
    QTest::newRow("within the limit: all") << QByteArray("a\nb") << QByteArray("a\nb");
    QTest::newRow("exactly the limit: all") << QByteArray(limit, 'x') << QByteArray(limit, 'x');
    QTest::newRow("cut at a line start")
        << "oldest\n" + QByteArray(limit - 5, 'o') + "\n" + lines << lines;
    QTest::newRow("the cut falls on a line start") << "old\n" + QByteArray(limit - 1, 'n') + "\n"
                                                   << QByteArray(limit - 1, 'n') + "\n";
    QTest::newRow("CR LF kept together") << "old\r\n" + QByteArray(limit - 3, 'n') + "\r\n"
                                         << QByteArray(limit - 3, 'n') + "\r\n";
    QTest::newRow("one endless line: at a character start")
        << "x" + QByteArray("\xC3\xA4").repeated(limit) + "y"
        << QByteArray("\xC3\xA4").repeated(limit / 2 - 1) + "y";
  }
  void savedOutputIsTheNewestPart() {
    QFETCH(QByteArray, output);
    QFETCH(QByteArray, kept);
    const std::string_view saved = SavedOutput(std::string_view(output.constData(), output.size()));
    QVERIFY(saved.size() <= MaxSavedOutputSize);
    QCOMPARE(QByteArray(saved.data(), qsizetype(saved.size())), kept);
  }

  // The largest texts written in the worst form (every byte a quote to double) read back.
  void everythingWrittenIsReadBack() {
    UserSettings s;
    s.firstDate = s.dateDiff = s.secondDate = std::string(2 * MaxSavedInputSize + 1, '"');
    s.dateDiff = ("x" + QByteArray("\xC3\xA4").repeated(int(MaxSavedInputSize))).toStdString();
    s.output = QByteArray("\"\"\"\"\n").repeated(int(MaxSavedOutputSize)).toStdString();
    s.language = 1;
    s.unit = 1;
    const std::string file = FormatUserFile(s);
    QVERIFY(file.size() <= MaxUserFileSize);
    UserSettings back;
    QCOMPARE(ParseUserFile(file, back), UserFileStatus::Complete);
    QCOMPARE(back.firstDate, std::string(MaxSavedInputSize, '"'));
    // An input is cut before a character that would not fit whole.
    QCOMPARE(back.dateDiff,
             ("x" + QByteArray("\xC3\xA4").repeated(int(MaxSavedInputSize / 2 - 1))).toStdString());
    QCOMPARE(back.output, std::string(SavedOutput(s.output)));
    QCOMPARE(back.language, std::int16_t{1});
    QCOMPARE(back.unit, std::int16_t{1});
  }

  // A regular file is read whole up to the reader's limit, whatever its size, and not beyond.
  void fileSizesAroundTheLimit_data() {
    QTest::addColumn<qint64>("size");
    QTest::addColumn<UserFileStatus>("status");
    QTest::newRow("empty") << qint64(0) << UserFileStatus::Damaged;
    QTest::newRow("small") << qint64(1000) << UserFileStatus::Complete;
    QTest::newRow("exactly the limit") << qint64(MaxUserFileSize) << UserFileStatus::Complete;
    QTest::newRow("one byte beyond") << qint64(MaxUserFileSize + 1) << UserFileStatus::Damaged;
    QTest::newRow("twice the limit") << qint64(2 * MaxUserFileSize) << UserFileStatus::Damaged;
  }
  void fileSizesAroundTheLimit() {
    QFETCH(qint64, size);
    QFETCH(UserFileStatus, status);
    // A valid file whose output fills it to `size` bytes (the reader takes any text length).
    UserSettings s;
    s.language = 1;
    const std::size_t fixed = FormatUserFile(s).size();
    QByteArray content;
    if (size > 0) {
      const std::string head = FormatUserFile(s);
      const std::size_t outputAt = head.rfind("\"\"");  // the empty output's quotes
      content = QByteArray::fromStdString(head.substr(0, outputAt + 1)) +
                QByteArray(qsizetype(size) - qsizetype(fixed), 'x') +
                QByteArray::fromStdString(head.substr(outputAt + 1));
    }
    QCOMPARE(content.size(), size);
    const QString path = temp.filePath(u"vdr.usr"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), size);
    file.close();
    UserSettings read;
    QCOMPARE(LoadUserFile(S(path), read), status);
    QCOMPARE(read.language, std::int16_t(status == UserFileStatus::Complete ? 1 : 0));
    if (status == UserFileStatus::Complete) QCOMPARE(read.output.size(), std::size_t(size) - fixed);
  }

  // An output larger than the file may hold: the settings survive, the newest output stays.
  void oversizeOutputKeepsEverySetting() {
    ChangeSettings(*w);
    const QString settings = Settings(*w);
    // 17 MiB in long lines (a window with many short lines takes long to fill).
    const QString filler(1000, u'o');
    QString output;
    for (int i = 0; output.size() < 17 * 1024 * 1024; ++i)
      output += u"output line %1 "_s.arg(i) + filler + u'\n';
    output += u"newest line"_s;
    w->txbOutput->setPlainText(output);
    CloseWindow();
    QVERIFY(QFileInfo(UserFilePath()).size() <= qint64(MaxUserFileSize));
    w = StartWindow();
    QVERIFY(w);
    QCOMPARE(Settings(*w), settings);
    const QString kept = w->txbOutput->toPlainText();
    QVERIFY(kept.endsWith(u"\nnewest line"_s));
    QVERIFY(kept.startsWith(u"output line "_s) && output.endsWith(kept));
    QVERIFY(kept.size() > int(MaxSavedOutputSize) - 1100);  // less at most one line
  }

  // Whatever stands at the path, start-up neither hangs nor crashes and takes the defaults;
  // the save refuses to write over it and leaves it as it was.
  void hostileThingAtThePath_data() {
    QTest::addColumn<int>("thing");
    QTest::newRow("pipe") << int(Pipe);
    QTest::newRow("link to a pipe") << int(LinkToPipe);
    QTest::newRow("endless device") << int(EndlessDevice);
    QTest::newRow("link to an endless device") << int(LinkToEndlessDevice);
    QTest::newRow("link to a null device") << int(LinkToNullDevice);
    QTest::newRow("folder") << int(Folder);
    QTest::newRow("dangling link") << int(DanglingLink);
  }
  void hostileThingAtThePath() {
    QFETCH(int, thing);
    const QString path = temp.filePath(u"vdr.usr"_s);
    const QString other = temp.filePath(u"other"_s);
    const bool link = thing == LinkToPipe || thing == LinkToEndlessDevice ||
                      thing == LinkToNullDevice || thing == DanglingLink;
    const QByteArray made = (link ? other : path).toLocal8Bit();
    switch (thing) {
      case Pipe:
      case LinkToPipe:
        QCOMPARE(::mkfifo(made.constData(), 0600), 0);
        break;
      case EndlessDevice:
      case LinkToEndlessDevice:
      case LinkToNullDevice: {
        // The kernel's zero (1,5) and null (1,3) devices, as nodes of this test's own folder.
        const dev_t device = makedev(1, thing == LinkToNullDevice ? 3 : 5);
        if (::mknod(made.constData(), S_IFCHR | 0600, device) != 0) {
          QSKIP(qPrintable(u"device nodes cannot be made here (%1)"_s.arg(std::strerror(errno))));
        }
        break;
      }
      case Folder:
        QVERIFY(QDir().mkpath(path));
        break;
    }
    if (link) QVERIFY(QFile::link(u"other"_s, path));
    const QString before = Describe(path) + u" / "_s + Describe(other);
    const QStringList names = Names(temp.path());

    ChangeSettings(*w);
    w->strUserFile = S(path);
    w->RestoreSettings();
    QCOMPARE(Settings(*w), u"2 0 0 110 ||"_s);  // the defaults
    QVERIFY(!w->SaveSettings());
    QCOMPARE(Describe(path) + u" / "_s + Describe(other), before);
    QCOMPARE(Names(temp.path()), names);
  }

  // A link to a regular file is read through and kept; the file it names is replaced.
  void linkToAFileIsKept() {
    const QString path = temp.filePath(u"vdr.usr"_s);
    const QString real = temp.filePath(u"kept.usr"_s);
    QFile file(real);
    QVERIFY(file.open(QIODevice::WriteOnly));
    UserSettings kept;
    kept.dateFormat = MDY;
    kept.firstDate = "x\"y";
    file.write(FormatUserFile(kept).c_str());
    file.close();
    QVERIFY(QFile::setPermissions(real, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(QFile::link(u"kept.usr"_s, path));
    w->strUserFile = S(path);
    w->RestoreSettings();
    QCOMPARE(w->txbFirstDate->text(), u"x\"y"_s);
    QVERIFY(w->optDateFormatIsMDY->isChecked());
    Click(w->optDateFormatIsDMY);
    QVERIFY(w->SaveSettings());
    QCOMPARE(QFile::symLinkTarget(path), real);
    QVERIFY(Contents(real).startsWith("0\r\n1,45,44\r\n"));
    struct stat info {};
    QCOMPARE(::stat(real.toLocal8Bit().constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0600u);
    QCOMPARE(Names(temp.path()), (QStringList{u"kept.usr"_s, u"vdr.usr"_s}));
  }

  // On a full disk the save fails and the previous file stays byte for byte; no part-written
  // file is left behind.
  void fullDiskKeepsThePreviousFile_data() {
    QTest::addColumn<qint64>("room");
    QTest::addColumn<int>("outputSize");
    // A small file is written in one piece when the file is closed, a large one as it goes.
    QTest::newRow("small file, no room at all") << qint64(0) << 0;
    QTest::newRow("large file, no room at all") << qint64(0) << 64 * 1024;
    QTest::newRow("large file, room for a part") << qint64(16 * 1024) << 64 * 1024;
  }
  void fullDiskKeepsThePreviousFile() {
    QFETCH(qint64, room);
    QFETCH(int, outputSize);
    const QString folder = temp.filePath(u"small-disk"_s);
    QVERIFY(QDir().mkpath(folder));
    const TmpfsMount disk(folder, 256);
    if (!disk.mounted()) QSKIP("a tmpfs cannot be mounted here (" + disk.why() + "): needs root");
    w->strUserFile = S(folder + u"/vdr.usr"_s);
    Click(w->optDateFormatIsMDY);
    QVERIFY(w->SaveSettings());
    const QByteArray previous = Contents(folder + u"/vdr.usr"_s);
    QVERIFY(FillLeaving(folder, room));
    const QStringList names = Names(folder);

    ChangeSettings(*w);
    w->txbOutput->setPlainText(QString(outputSize, u'o'));
    QVERIFY(!w->SaveSettings());
    QCOMPARE(Contents(folder + u"/vdr.usr"_s), previous);
    QCOMPARE(Names(folder), names);
    w->cmdQuit_Click();  // the quit saves the same way
    QCOMPARE(Contents(folder + u"/vdr.usr"_s), previous);
    QCOMPARE(Names(folder), names);
    w.reset();
  }

  // Without a usable display the program says so in one line and ends with status 1.
  void noDisplayGivesOneClearLine_data() {
    QTest::addColumn<QStringList>("set");
    QTest::newRow("no display set") << QStringList{};
    QTest::newRow("display names no server") << QStringList{u"DISPLAY=:58"_s};
    QTest::newRow("only a missing wayland socket")
        << QStringList{u"WAYLAND_DISPLAY=valdora-none"_s};
  }
  void noDisplayGivesOneClearLine() {
    QFETCH(QStringList, set);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name :
         {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s, u"XDG_SESSION_TYPE"_s}) {
      environment.remove(name);
    }
    for (const QString& entry : set)
      environment.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    environment.insert(u"XDG_CONFIG_HOME"_s, temp.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QCoreApplication::applicationDirPath() + u"/valdora"_s, {});
    QVERIFY(program.waitForFinished(60000));
    const QByteArray errors = program.readAllStandardError();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);  // no abort, no core dump
    QCOMPARE(program.exitCode(), 1);
    QVERIFY2(errors.startsWith("valdora: no display available") &&
                 errors.contains("QT_QPA_PLATFORM") && errors.count('\n') == 1 &&
                 errors.endsWith('\n'),
             errors.constData());
    QVERIFY(Names(temp.path()).isEmpty());  // nothing written
  }
};

QTEST_MAIN(UserFileSafetyTest)
#include "UserFileSafetyTest.moc"
