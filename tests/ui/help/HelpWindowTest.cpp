// SPDX-License-Identifier: MIT
// The help window and its text: paragraph structure per language, caption and Close button
// in the display language, the minimum size, and the main window's Help command (one window
// placed over the main window, restored when minimised, Close focusing the first date).
#include "tests/ui/UiTestSupport.h"
#include "ui/common/weblink.h"
#include "presentation/AboutText.h"
#include "presentation/HelpText.h"
#include "ui/help/frmHelp.h"

using namespace valdora;
using namespace testing_ui;

namespace {
const std::string kManual = "file:///opt/valdora/manual.html";
}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

  frmMain* main = nullptr;

 private slots:
  void initTestCase() {
    LoadAndGenerateTexts();
    main = new frmMain;
    ShowAtDesignSize(*main, {20, 20});
    QVERIFY(QTest::qWaitForWindowExposed(main));
  }
  void cleanupTestCase() {
    frmHelp::unload();
    delete main;
  }
  void init() {
    intLanguage = intEnglish;
    frmHelp::unload();
  }

  void paragraphsPerLanguage() {
    const struct { std::int16_t language; int paragraphs; const char* firstWords; } cases[] = {
        {0, 12, "The complete user manual for this software is online at:"},
        {1, 11, "Das vollstaendige Benutzerhandbuch"}, {2, 0, ""} /* Spanish slot */};
    for (const auto& c : cases) {
      const std::vector<std::string> parts = HelpParagraphs(c.language, kManual);
      QCOMPARE(int(parts.size()), c.paragraphs);
      std::string joined;
      for (std::size_t i = 0; i < parts.size(); ++i) {
        QVERIFY2(!parts[i].empty() && parts[i].find_first_of("\r\n") == std::string::npos, parts[i].c_str());
        joined += parts[i] + (i + 1 < parts.size() ? "\r\n\r\n" : "\r\n");
      }
      QCOMPARE(BuildHelpText(c.language, kManual), joined);
      if (c.paragraphs == 0) continue;
      QVERIFY(parts[0].starts_with(c.firstWords) && parts[0].ends_with(kManual));
      for (unsigned char ch : joined) QVERIFY(ch < 128);  // no umlauts or sharp s
    }
  }

  void contentInTheRightOrder() {
    const struct { std::int16_t language; std::size_t paragraph; const char* text; } cases[] = {
        {0, 4, "0001-001 to 9999-365"}, {0, 5, "(year)-W(week)-(day)"}, {0, 6, "LPW"},
        {0, 6, "LPM"}, {0, 7, "-4712-01-01"}, {0, 11, "hexade"},
        {1, 1, "verschiedene Arten von Daten und julianische Tageszahlen"},
        {1, 2, "\"Common Era\""}, {1, 2, "-2 CE = 3 v.Chr."}, {1, 6, "1.1.-4712 JC"},
        {1, 7, "Erstes Datum"}, {1, 7, "Berechnen"}};
    for (const auto& c : cases) {
      QVERIFY2(HelpParagraphs(c.language, kManual).at(c.paragraph).find(c.text) != std::string::npos,
               c.text);
    }
    for (const std::string& p : HelpParagraphs(1, kManual)) QVERIFY(p.find("Ordinal") == std::string::npos);
  }

  void captionCloseAndTextFollowTheLanguage() {
    frmHelp& help = frmHelp::instance();
    for (auto [language, caption, close] : {std::tuple{intEnglish, "Valdora Help", "Close"},
                                            std::tuple{intGerman, "Valdora Hilfe", "Schliessen"}}) {
      // Shown again after a change of language, the same window shows the new one.
      intLanguage = language;
      help.show();
      QCOMPARE(help.windowTitle(), QString::fromLatin1(caption));
      QCOMPARE(help.cmdClose->text(), QString::fromLatin1(close));
      QCOMPARE(help.txbMsg->toPlainText(),
               Q(BuildHelpText(language, UserManualAddress(language)) + "\r\n" + AboutText(language))
                   .replace(u"\r\n"_s, u"\n"_s));
      help.cmdClose_Click();
      QVERIFY(!help.isVisible());
      QCOMPARE(&frmHelp::instance(), &help);
    }
  }

  void shrinkingSnapsBackPerDimension() {
    frmHelp& help = frmHelp::instance();
    help.show();
    const int minSize = TwipsToPixels(frmHelp::kMinSizeTwips);
    help.resize(minSize + 200, minSize + 100);
    help.resize(20, minSize + 100);
    QCOMPARE(help.size(), QSize(minSize, minSize + 100));
    help.resize(minSize + 50, 10);
    QCOMPARE(help.size(), QSize(minSize + 50, minSize));
    // The Close button sits under the text, centred on it.
    QCOMPARE(help.txbMsg->width(), help.width() - TwipsToPixels(450));
    QCOMPARE(help.cmdClose->y(), help.txbMsg->geometry().bottom() + 1 + TwipsToPixels(100));
    QVERIFY(help.cmdClose->geometry().bottom() < help.height());
    help.close();  // the close box only hides
    QVERIFY(!help.isVisible() && frmHelp::exists());
  }

  void helpOpensOnceOverTheMainWindow() {
    QVERIFY(!frmHelp::exists());
    main->cmdHelp->setEnabled(true);
    QTest::mouseClick(main->cmdHelp, Qt::LeftButton);
    frmHelp& help = frmHelp::instance();
    QVERIFY(help.isVisible());
    QCOMPARE(help.windowTitle(), u"Valdora Help"_s);
    const QRect outer = main->frameGeometry();
    const QRect inner = help.frameGeometry();
    const int labelTop = main->lblTodaysDate[0]->mapTo(main, QPoint(0, 0)).y();
    QCOMPARE(inner.topLeft(), outer.topLeft() + QPoint(0, labelTop - TwipsToPixels(425)));
    QCOMPARE(help.width(), main->width());
    QVERIFY(qAbs(outer.bottom() - inner.bottom() - TwipsToPixels(125)) <= 1);
    // Minimised, the next Help restores the same window.
    help.showMinimized();
    main->cmdHelp_Click();
    QVERIFY(!help.isMinimized() && help.isVisible());
    QCOMPARE(&frmHelp::instance(), &help);

    QTest::mouseClick(help.cmdClose, Qt::LeftButton);
    QVERIFY(!help.isVisible());
    QTRY_VERIFY(main->txbFirstDate->hasFocus());
    main->cmdHelp_Click();
    QVERIFY(help.isVisible());
  }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
