// SPDX-License-Identifier: MIT
// The web links: extensions of paths and addresses, the one failure message per launcher
// result, the two link labels of the main window, and the shipped manual they open.
#include <QFileInfo>
#include <QTest>
#include <QUrl>
#include <vector>

#include "engine/DateCore.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/common/weblink.h"

using namespace valdora;
using namespace testing_ui;

class WebLinkTest : public QObject {
  Q_OBJECT

  std::vector<MessageRequest> boxes;
  std::vector<std::string> opened;
  std::int32_t result = 42;

 private slots:
  void initTestCase() {
    RecordMessagesAnsweringOk(boxes);
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
    QTest::newRow("address-lowered") << u"https://host.example/docs/Manual.HTM"_s << true << u"htm"_s;
    QTest::newRow("address-as-written") << u"https://host.example/docs/Manual.HTM"_s << false << u"HTM"_s;
    QTest::newRow("host-only") << u"https://host"_s << true << QString();
    QTest::newRow("dot-in-a-folder") << u"C:\\my.docs\\readme"_s << true << QString();
    QTest::newRow("windows-path") << u"C:\\a.b\\c.TXT"_s << true << u"txt"_s;
    QTest::newRow("last-extension-only") << u"x.tar.GZ"_s << true << u"gz"_s;
    QTest::newRow("final-dot") << u"name."_s << true << QString();
    QTest::newRow("empty") << QString() << true << QString();
  }
  void fileExtension() {
    QFETCH(QString, path);
    QFETCH(bool, lower);
    QFETCH(QString, extension);
    QCOMPARE(FileExtension(path.toStdString(), lower), extension.toStdString());
  }

  void launcherResults_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("detail");
    QTest::newRow("started-no-box") << 33 << QString();
    QTest::newRow("no-association")
        << 31 << u"\r\n\r\nFile extension 'htm' is not associated with any application program."_s;
    QTest::newRow("out-of-memory") << 8 << u"\r\n\r\nOut of memory."_s;
    QTest::newRow("try-once-more") << 2 << u"\r\n\r\nPlease try once more."_s;
    QTest::newRow("code-5-without-detail") << 5 << QString();
    QTest::newRow("code-0-without-detail") << 0 << QString();
  }
  void launcherResults() {
    QFETCH(int, code);
    QFETCH(QString, detail);
    result = code;
    OpenWebPage("https://host.example/Manual.HTM");
    result = 42;
    QCOMPARE(opened.size(), std::size_t{1});
    QCOMPARE(boxes.size(), std::size_t(code != 33));
    if (code == 33) return;
    QCOMPARE(boxes[0].text, u"Error launching web browser, error code = %1."_s.arg(code) + detail);
    QCOMPARE(boxes[0].title, u"Cannot launch web browser"_s);
    QCOMPARE(boxes[0].icon, MsgIcon::Warning);
    QCOMPARE(boxes[0].buttons, MsgButtons::Ok);
  }

  void theManualIsShippedAndLocal() {
    const QUrl english(Q(UserManualAddress(intEnglish)));
    const QUrl german(Q(UserManualAddress(intGerman)));
    QVERIFY(english.isLocalFile());
    QVERIFY(QFileInfo::exists(english.toLocalFile()));
    QVERIFY(english.toLocalFile().endsWith(u"/manual.html"_s));
    QCOMPARE(german.toLocalFile(), english.toLocalFile());
    QCOMPARE(german.fragment(), u"de"_s);
    QVERIFY(QUrl(Q(PublisherAddress())).isLocalFile());
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
    QCOMPARE(opened, (std::vector{UserManualAddress(intEnglish), PublisherAddress(), UserManualAddress(intGerman)}));
    QVERIFY(boxes.empty());
    w.cmdQuit_Click();
  }
};

QTEST_MAIN(WebLinkTest)
#include "WebLinkTest.moc"
