// The web links: extensions of paths and addresses, the one failure message per launcher
// result, the two link labels of the main window, and the shipped manual they open.
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QUrl>
#include <vector>

#include "engine/DateCore.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/common/weblink.h"

using namespace valdora;

class WebLinkTest : public QObject {
  Q_OBJECT

  std::vector<MessageRequest> boxes;
  std::vector<std::string> opened;
  std::int32_t result = 42;

 private slots:
  void initTestCase() {
    testing_ui::RecordMessagesAnsweringOk(boxes);
    SetWebLauncher([this](const std::string& url) {
      opened.push_back(url);
      return result;
    });
  }
  void init() {
    boxes.clear();
    opened.clear();
  }
  void cleanupTestCase() {
    SetMessageRecorder({});
    SetWebLauncher({});
  }

  void fileExtension_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("lower");
    QTest::addColumn<QString>("extension");
    QTest::newRow("address") << "https://host.example/docs/Manual.HTM" << true << "htm";
    QTest::newRow("kept case") << "https://host.example/docs/Manual.HTM" << false << "HTM";
    QTest::newRow("none") << "https://host" << true << "";
    QTest::newRow("dot in folder") << "C:\\my.docs\\readme" << true << "";
    QTest::newRow("after backslash") << "C:\\a.b\\c.TXT" << true << "txt";
    QTest::newRow("last dot") << "x.tar.GZ" << true << "gz";
    QTest::newRow("trailing dot") << "name." << true << "";
    QTest::newRow("empty") << "" << true << "";
  }
  void fileExtension() {
    QFETCH(QString, path);
    QFETCH(bool, lower);
    QFETCH(QString, extension);
    QCOMPARE(QString::fromStdString(FileExtension(path.toStdString(), lower)), extension);
  }

  void launcherResults_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");  // empty: no box
    QTest::newRow("started") << 33 << "";
    QTest::newRow("no association") << 31
        << "Error launching web browser, error code = 31.\r\n\r\nFile extension 'htm' is not "
           "associated with any application program.";
    QTest::newRow("out of memory") << 8 << "Error launching web browser, error code = 8.\r\n\r\nOut of memory.";
    QTest::newRow("not found") << 2 << "Error launching web browser, error code = 2.\r\n\r\nPlease try once more.";
    QTest::newRow("other") << 5 << "Error launching web browser, error code = 5.";
    QTest::newRow("zero") << 0 << "Error launching web browser, error code = 0.";
  }
  void launcherResults() {
    QFETCH(int, code);
    QFETCH(QString, message);
    result = code;
    OpenWebPage("https://host.example/Manual.HTM");
    result = 42;
    QCOMPARE(opened.size(), std::size_t{1});
    if (message.isEmpty()) {
      QVERIFY(boxes.empty());
      return;
    }
    QCOMPARE(boxes.size(), std::size_t{1});
    QCOMPARE(boxes[0].text, message);
    QCOMPARE(boxes[0].title, QStringLiteral("Cannot launch web browser"));
    QCOMPARE(boxes[0].icon, MsgIcon::Warning);
    QCOMPARE(boxes[0].buttons, MsgButtons::Ok);
  }

  void theManualIsShippedAndLocal() {
    const QUrl english(QString::fromStdString(UserManualAddress(intEnglish)));
    const QUrl german(QString::fromStdString(UserManualAddress(intGerman)));
    QVERIFY(english.isLocalFile());
    QVERIFY(QFileInfo::exists(english.toLocalFile()));
    QVERIFY(english.toLocalFile().endsWith(QStringLiteral("/manual.html")));
    QCOMPARE(german.toLocalFile(), english.toLocalFile());
    QCOMPARE(german.fragment(), QStringLiteral("de"));
    QVERIFY(QUrl(QString::fromStdString(PublisherAddress())).isLocalFile());
  }

  void linkLabelsOpenTheirPages() {
    SetProgramFolder(QCoreApplication::applicationDirPath().toStdString());
    SetFixedToday(2008, 7, 12);
    frmMain w;
    QVERIFY(w.Form_Load());
    QTest::mouseClick(w.lblOnlineDocumentation, Qt::LeftButton);
    QTest::mouseClick(w.lblOstrandSystems, Qt::LeftButton);
    QTest::mouseClick(w.lblOnlineDocumentation, Qt::RightButton);  // only the left button opens
    intLanguage = intGerman;
    QTest::mouseClick(w.lblOnlineDocumentation, Qt::LeftButton);
    intLanguage = intEnglish;
    QCOMPARE(opened.size(), std::size_t{3});
    QCOMPARE(opened[0], UserManualAddress(intEnglish));
    QCOMPARE(opened[1], PublisherAddress());
    QCOMPARE(opened[2], UserManualAddress(intGerman));
    QVERIFY(boxes.empty());
    w.cmdQuit_Click();
  }
};

QTEST_MAIN(WebLinkTest)
#include "WebLinkTest.moc"
