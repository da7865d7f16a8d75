// SPDX-License-Identifier: MIT
// The fixed-pitch font: the order in which families are tried, whatever other fonts the
// machine has, and that the font given is really fixed-pitch on this machine's fonts.
#include <QFontInfo>
#include <QSet>
#include <QtTest>

#include "ui/common/Metrics.h"

using namespace Qt::StringLiterals;
using valdora::FirstFixedPitchFamily;
using valdora::FixedPitchCandidates;

class FixedPitchFontTest : public QObject {
  Q_OBJECT

 private slots:
  void familyChosen_data() {
    QTest::addColumn<QString>("systemFixed");  // what the font configuration calls monospace
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("fixed");  // the installed families that are fixed-pitch
    QTest::addColumn<QString>("chosen");

    const QString noto = u"Noto Sans Mono"_s, dejavu = u"DejaVu Sans Mono"_s;
    QTest::newRow("Courier New first where installed")
        << dejavu << QStringList{dejavu, u"Courier New"_s} << QStringList{dejavu, u"Courier New"_s}
        << u"Courier New"_s;
    QTest::newRow("monospace used when fixed-pitch")
        << u"Liberation Mono"_s << QStringList{dejavu, u"Liberation Mono"_s}
        << QStringList{dejavu, u"Liberation Mono"_s} << u"Liberation Mono"_s;
    QTest::newRow("monospace with double-width glyphs skipped")
        << noto << QStringList{u"Nimbus Mono PS"_s, noto, dejavu}
        << QStringList{u"Nimbus Mono PS"_s, dejavu} << dejavu;
    QTest::newRow("a known family before other installed ones")
        << noto << QStringList{u"Aaa Typewriter"_s, noto, u"Nimbus Mono PS"_s}
        << QStringList{u"Aaa Typewriter"_s, u"Nimbus Mono PS"_s} << u"Nimbus Mono PS"_s;
    QTest::newRow("any installed fixed family as the last resort")
        << noto << QStringList{u"Sans"_s, noto, u"Zeta Terminal"_s}
        << QStringList{u"Zeta Terminal"_s} << u"Zeta Terminal"_s;
    QTest::newRow("a known family that is not installed is not chosen")
        << noto << QStringList{noto, u"Zeta Terminal"_s} << QStringList{u"Zeta Terminal"_s}
        << u"Zeta Terminal"_s;
    QTest::newRow("none fixed-pitch")
        << noto << QStringList{u"Sans"_s, noto} << QStringList{} << QString();
    QTest::newRow("no system family")
        << QString() << QStringList{dejavu} << QStringList{dejavu} << dejavu;
  }

  void familyChosen() {
    QFETCH(QString, systemFixed);
    QFETCH(QStringList, installed);
    QFETCH(QStringList, fixed);
    QFETCH(QString, chosen);
    const QSet<QString> fixedSet(fixed.cbegin(), fixed.cend());
    QStringList asked;
    const QString family =
        FirstFixedPitchFamily(FixedPitchCandidates(systemFixed, installed), [&](const QString& f) {
          asked << f;
          return fixedSet.contains(f);
        });
    QCOMPARE(family, chosen);
    QCOMPARE(asked.count(QString()), 0);
    QCOMPARE(asked.removeDuplicates(), 0);  // each family asked about once
  }

  void fixedPitchOnThisMachine_data() {
    QTest::addColumn<int>("pointSize");
    QTest::newRow("output window") << 9;
    QTest::newRow("month window") << 10;
  }

  void fixedPitchOnThisMachine() {
    QFETCH(int, pointSize);
    const QFont font = valdora::FixedPitchFont(pointSize);
    const QFontInfo info(font);
    QVERIFY2(info.fixedPitch(), qPrintable(info.family()));
    QCOMPARE(info.pointSize(), pointSize);
    // Every character the grids use has one width.
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(u'0');
    for (const QChar c : u"W-1 |iMm.,"_s) {
      QCOMPARE(u"'%1' %2"_s.arg(c).arg(metrics.horizontalAdvance(c)),
               u"'%1' %2"_s.arg(c).arg(width));
    }
  }
};

QTEST_MAIN(FixedPitchFontTest)
#include "FixedPitchFontTest.moc"
