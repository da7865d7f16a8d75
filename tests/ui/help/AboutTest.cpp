// SPDX-License-Identifier: MIT
// The About section of the help window: the project's version and licence in each language,
// after the help text.
#include <QtTest>

#include "ui/help/AboutText.h"

#ifndef VALDORA_PROJECT_VERSION
#error "the test needs the project version from the build"
#endif

class AboutTest : public QObject {
  Q_OBJECT

 private slots:
  void aboutSection_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("licence");
    QTest::newRow("English") << 0 << QStringLiteral("About Valdora") << QStringLiteral("MIT License");
    QTest::newRow("German") << 1 << QStringLiteral("Ueber Valdora") << QStringLiteral("MIT-Lizenz");
    QTest::newRow("slot without help") << 2 << QStringLiteral("About Valdora")
                                       << QStringLiteral("MIT License");
  }

  void aboutSection() {
    QFETCH(int, language);
    QFETCH(QString, heading);
    QFETCH(QString, licence);
    const std::string text = valdora::AboutText(static_cast<std::int16_t>(language));
    QVERIFY(text.ends_with("\r\n"));
    const QStringList lines = QString::fromStdString(text).chopped(2).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], heading);
    // The version CMake's project() gives, not one written by hand.
    QCOMPARE(lines[1], QStringLiteral("Version " VALDORA_PROJECT_VERSION));
    QVERIFY(lines[2].startsWith(QStringLiteral("Copyright (c) ")));
    QVERIFY2(lines[3].contains(licence), qPrintable(lines[3]));
    for (const unsigned char c : text) QVERIFY(c < 128);  // no umlauts or sharp s
  }
};

QTEST_MAIN(AboutTest)
#include "AboutTest.moc"
