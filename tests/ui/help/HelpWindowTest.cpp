// The help window and its text: paragraph structure per language, caption and Close button
// in the display language, and the minimum size.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "text/GenText.h"
#include "text/Language.h"
#include "ui/common/Metrics.h"
#include "ui/common/weblink.h"
#include "ui/help/HelpText.h"
#include "ui/help/frmHelp.h"

using valdora::frmHelp;
using valdora::TwipsToPixels;

namespace {
const std::string kManual = "file:///opt/valdora/manual.html";
}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { valdora::GenerateText(); }

  void init() {
    valdora::intLanguage = valdora::intEnglish;
    frmHelp::unload();
  }

  void paragraphsPerLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("paragraphs");
    QTest::addColumn<QString>("firstWords");
    QTest::newRow("English") << 0 << 12
                             << "The complete user manual for this software is online at:";
    QTest::newRow("German") << 1 << 11 << "Das vollstaendige Benutzerhandbuch";
    QTest::newRow("Spanish slot") << 2 << 0 << "";
  }
  void paragraphsPerLanguage() {
    QFETCH(int, language);
    QFETCH(int, paragraphs);
    QFETCH(QString, firstWords);
    const auto lang = static_cast<std::int16_t>(language);
    const std::vector<std::string> parts = valdora::HelpParagraphs(lang, kManual);
    QCOMPARE(static_cast<int>(parts.size()), paragraphs);
    std::string joined;
    for (std::size_t i = 0; i < parts.size(); ++i) {
      QVERIFY(!parts[i].empty());
      QVERIFY2(parts[i].find_first_of("\r\n") == std::string::npos, parts[i].c_str());
      joined += parts[i] + (i + 1 < parts.size() ? "\r\n\r\n" : "\r\n");
    }
    QCOMPARE(valdora::BuildHelpText(lang, kManual), joined);
    if (paragraphs > 0) {
      QVERIFY(QString::fromStdString(parts[0]).startsWith(firstWords));
      QVERIFY(QString::fromStdString(parts[0]).endsWith(QString::fromStdString(kManual)));
      // No umlauts or sharp s: every character is plain ASCII.
      for (unsigned char c : joined) QVERIFY(c < 128);
    }
  }

  void contentInTheRightOrder() {
    const auto en = valdora::HelpParagraphs(0, kManual);
    QVERIFY(en[4].find("0001-001 to 9999-365") != std::string::npos);
    QVERIFY(en[5].find("(year)-W(week)-(day)") != std::string::npos);
    QVERIFY(en[6].find("LPW") != std::string::npos && en[6].find("LPM") != std::string::npos);
    QVERIFY(en[7].find("-4712-01-01") != std::string::npos);
    QVERIFY(en[11].find("hexade") != std::string::npos);
    const auto de = valdora::HelpParagraphs(1, kManual);
    QVERIFY(de[1].find("verschiedene Arten von Daten und julianische Tageszahlen") !=
            std::string::npos);
    QVERIFY(de[2].find("\"Common Era\"") != std::string::npos);
    QVERIFY(de[2].find("-2 CE = 3 v.Chr.") != std::string::npos);
    QVERIFY(de[6].find("1.1.-4712 JC") != std::string::npos);
    QVERIFY(de[7].find("Erstes Datum") != std::string::npos);
    QVERIFY(de[7].find("Berechnen") != std::string::npos);
    for (const std::string& p : de) QVERIFY(p.find("Ordinal") == std::string::npos);
  }

  void captionAndCloseFollowTheLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("close");
    QTest::newRow("English") << 0 << "Valdora Help" << "Close";
    QTest::newRow("German") << 1 << "Valdora Hilfe" << "Schliessen";
  }
  void captionAndCloseFollowTheLanguage() {
    QFETCH(int, language);
    QFETCH(QString, caption);
    QFETCH(QString, close);
    valdora::intLanguage = static_cast<std::int16_t>(language);
    frmHelp& help = frmHelp::instance();
    help.show();
    QCOMPARE(help.windowTitle(), caption);
    QCOMPARE(help.cmdClose->text(), close);
    QString expected = QString::fromStdString(valdora::BuildHelpText(valdora::intLanguage, valdora::UserManualAddress(valdora::intLanguage)));
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(help.txbMsg->toPlainText(), expected);
  }

  void languageChangeShowsOnNextActivation() {
    frmHelp& help = frmHelp::instance();
    help.show();
    QCOMPARE(help.windowTitle(), QStringLiteral("Valdora Help"));
    help.cmdClose_Click();
    QVERIFY(!help.isVisible());
    valdora::intLanguage = valdora::intGerman;
    help.show();
    QCOMPARE(help.windowTitle(), QStringLiteral("Valdora Hilfe"));
    QVERIFY(help.txbMsg->toPlainText().startsWith(QStringLiteral("Das vollstaendige")));
    QCOMPARE(&frmHelp::instance(), &help);
  }

  void shrinkingSnapsBackPerDimension() {
    frmHelp& help = frmHelp::instance();
    help.show();
    const int minSize = TwipsToPixels(frmHelp::kMinSizeTwips);
    help.resize(minSize + 200, minSize + 100);
    help.resize(20, minSize + 100);
    QCOMPARE(help.width(), minSize);
    QCOMPARE(help.height(), minSize + 100);
    help.resize(minSize + 50, 10);
    QCOMPARE(help.width(), minSize + 50);
    QCOMPARE(help.height(), minSize);
    // The Close button sits under the text, centred on it.
    QCOMPARE(help.txbMsg->width(), help.width() - TwipsToPixels(450));
    QCOMPARE(help.cmdClose->y(), help.txbMsg->geometry().bottom() + 1 + TwipsToPixels(100));
    QVERIFY(help.cmdClose->geometry().bottom() < help.height());
  }

  void closeBoxOnlyHides() {
    frmHelp& help = frmHelp::instance();
    help.show();
    help.close();
    QVERIFY(!help.isVisible());
    QVERIFY(frmHelp::exists());
  }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
