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

  void fileExtension() {
    const struct { const char* path; bool lower; const char* extension; } cases[] = {
        {"https://host.example/docs/Manual.HTM", true, "htm"},
        {"https://host.example/docs/Manual.HTM", false, "HTM"}, {"https://host", true, ""},
        {"C:\\my.docs\\readme", true, ""} /* dot in a folder */, {"C:\\a.b\\c.TXT", true, "txt"},
        {"x.tar.GZ", true, "gz"}, {"name.", true, ""}, {"", true, ""}};
    for (const auto& c : cases) QCOMPARE(FileExtension(c.path, c.lower), std::string(c.extension));
  }

  void launcherResults() {
    const std::pair<int, const char*> cases[] = {
        {33, ""},  // started: no box
        {31, "\r\n\r\nFile extension 'htm' is not associated with any application program."},
        {8, "\r\n\r\nOut of memory."}, {2, "\r\n\r\nPlease try once more."}, {5, ""}, {0, ""}};
    for (const auto& [code, detail] : cases) {
      boxes.clear();
      opened.clear();
      result = code;
      OpenWebPage("https://host.example/Manual.HTM");
      result = 42;
      QCOMPARE(opened.size(), std::size_t{1});
      QCOMPARE(boxes.size(), std::size_t(code != 33));
      if (code == 33) continue;
      QCOMPARE(boxes[0].text,
               u"Error launching web browser, error code = %1."_s.arg(code) + QString::fromLatin1(detail));
      QCOMPARE(boxes[0].title, u"Cannot launch web browser"_s);
      QCOMPARE(boxes[0].icon, MsgIcon::Warning);
      QCOMPARE(boxes[0].buttons, MsgButtons::Ok);
    }
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
