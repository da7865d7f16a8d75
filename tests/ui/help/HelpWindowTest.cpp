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

  void paragraphsPerLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("paragraphs");
    QTest::addColumn<QString>("firstWords");
    QTest::newRow("English") << 0 << 12 << u"The complete user manual for this software is online at:"_s;
    QTest::newRow("German") << 1 << 11 << u"Das vollstaendige Benutzerhandbuch"_s;
    QTest::newRow("Spanish-slot-empty") << 2 << 0 << QString();
  }
  void paragraphsPerLanguage() {
    QFETCH(int, language);
    QFETCH(int, paragraphs);
    QFETCH(QString, firstWords);
    const std::vector<std::string> parts = HelpParagraphs(std::int16_t(language), kManual);
    QCOMPARE(int(parts.size()), paragraphs);
    std::string joined;
    for (std::size_t i = 0; i < parts.size(); ++i) {
      QVERIFY2(!parts[i].empty() && parts[i].find_first_of("\r\n") == std::string::npos, parts[i].c_str());
      joined += parts[i] + (i + 1 < parts.size() ? "\r\n\r\n" : "\r\n");
    }
    QCOMPARE(BuildHelpText(std::int16_t(language), kManual), joined);
    if (paragraphs == 0) return;
    QVERIFY(parts[0].starts_with(firstWords.toStdString()) && parts[0].ends_with(kManual));
    for (unsigned char ch : joined) QVERIFY(ch < 128);  // no umlauts or sharp s
  }

  void contentInTheRightOrder_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("paragraph");
    QTest::addColumn<QString>("text");
    QTest::newRow("English-ordinal-range") << 0 << 4 << u"0001-001 to 9999-365"_s;
    QTest::newRow("English-iso-week-form") << 0 << 5 << u"(year)-W(week)-(day)"_s;
    QTest::newRow("English-leap-week-dates") << 0 << 6 << u"LPW"_s;
    QTest::newRow("English-leap-week-months") << 0 << 6 << u"LPM"_s;
    QTest::newRow("English-first-julian-day") << 0 << 7 << u"-4712-01-01"_s;
    QTest::newRow("English-hexade") << 0 << 11 << u"hexade"_s;
    QTest::newRow("German-kinds-of-dates")
        << 1 << 1 << u"verschiedene Arten von Daten und julianische Tageszahlen"_s;
    QTest::newRow("German-common-era") << 1 << 2 << u"\"Common Era\""_s;
    QTest::newRow("German-year-minus-two") << 1 << 2 << u"-2 CE = 3 v.Chr."_s;
    QTest::newRow("German-first-julian-day") << 1 << 6 << u"1.1.-4712 JC"_s;
    QTest::newRow("German-first-date") << 1 << 7 << u"Erstes Datum"_s;
    QTest::newRow("German-compute") << 1 << 7 << u"Berechnen"_s;
  }
  void contentInTheRightOrder() {
    QFETCH(int, language);
    QFETCH(int, paragraph);
    QFETCH(QString, text);
    const std::string part = HelpParagraphs(std::int16_t(language), kManual).at(std::size_t(paragraph));
    QVERIFY2(part.find(text.toStdString()) != std::string::npos, qPrintable(text));
  }

  void germanHelpAvoidsTheWordOrdinal() {
    for (const std::string& p : HelpParagraphs(1, kManual)) {
      QVERIFY2(p.find("Ordinal") == std::string::npos, p.c_str());
    }
  }

  // Shown again after a change of language, the same window shows the new one: one window
  // through both languages, each check named by its language.
  void captionCloseAndTextFollowTheLanguage() {
    frmHelp& help = frmHelp::instance();
    for (auto [language, caption, close] : {std::tuple{intEnglish, "Valdora Help", "Close"},
                                            std::tuple{intGerman, "Valdora Hilfe", "Schliessen"}}) {
      const QString label = language == intGerman ? u"German: "_s : u"English: "_s;
      intLanguage = language;
      help.show();
      QCOMPARE(label + help.windowTitle(), label + QString::fromLatin1(caption));
      QCOMPARE(label + help.cmdClose->text(), label + QString::fromLatin1(close));
      const std::string text =
          BuildHelpText(language, UserManualAddress(language)) + "\r\n" + AboutText(language);
      QCOMPARE(label + help.txbMsg->toPlainText(), label + Q(text).replace(u"\r\n"_s, u"\n"_s));
      help.cmdClose_Click();
      QVERIFY2(!help.isVisible(), qPrintable(label));
      QVERIFY2(&frmHelp::instance() == &help, qPrintable(label));
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
  }

  // The Close button sits under the text, centred on it, at the smallest height too.
  void closeButtonUnderTheText() {
    frmHelp& help = frmHelp::instance();
    help.show();
    const int minSize = TwipsToPixels(frmHelp::kMinSizeTwips);
    help.resize(minSize + 50, minSize);
    QCOMPARE(help.txbMsg->width(), help.width() - TwipsToPixels(450));
    QCOMPARE(help.cmdClose->y(), help.txbMsg->geometry().bottom() + 1 + TwipsToPixels(100));
    QVERIFY(help.cmdClose->geometry().bottom() < help.height());
  }

  void closeBoxOnlyHides() {
    frmHelp& help = frmHelp::instance();
    help.show();
    help.close();
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
  }

  // Close hides the window and gives the focus back to the first date; Help shows it again.
  void closeReturnsToTheFirstDate() {
    main->cmdHelp->setFocus();
    main->cmdHelp_Click();
    frmHelp& help = frmHelp::instance();
    QVERIFY(help.isVisible());
    QTest::mouseClick(help.cmdClose, Qt::LeftButton);
    QVERIFY(!help.isVisible());
    QTRY_VERIFY(main->txbFirstDate->hasFocus());
    main->cmdHelp_Click();
    QVERIFY(help.isVisible());
  }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
