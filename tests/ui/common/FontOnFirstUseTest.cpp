// A box's font kept until its first use: given at the first focus or text, whichever way the
// text comes, never for an emptied box, and at once for a box already in use.
#include <QFont>
#include <QPlainTextEdit>
#include <QtTest>

#include "ui/common/FontOnFirstUse.h"

using valdora::GiveKeptFont;
using valdora::SetFontOnFirstUse;

namespace {
QFont Kept() {
  QFont font(QStringLiteral("Monospace"));
  font.setPointSize(23);  // unlike any default
  return font;
}
}  // namespace

class FontOnFirstUseTest : public QObject {
  Q_OBJECT

 private slots:
  void givenAtTheFirstUse_data() {
    QTest::addColumn<QString>("use");
    QTest::addColumn<bool>("given");
    for (const char* use : {"focus", "typed", "written", "appended", "asked"}) {
      QTest::newRow(use) << QString::fromLatin1(use) << true;
    }
    QTest::newRow("emptied") << QStringLiteral("emptied") << false;
    QTest::newRow("shown") << QStringLiteral("shown") << false;
  }
  void givenAtTheFirstUse() {
    QFETCH(QString, use);
    QFETCH(bool, given);
    QWidget window;
    auto* other = new QPlainTextEdit(&window);
    auto* box = new QPlainTextEdit(&window);
    other->move(0, 200);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    const QFont before = box->font();
    SetFontOnFirstUse(box, Kept());
    QCOMPARE(box->font(), before);

    if (use == "focus") box->setFocus();
    if (use == "typed") QTest::keyClicks(box, QStringLiteral("x"));  // a click would focus
    if (use == "written") box->setPlainText(QStringLiteral("2008-07-12"));
    if (use == "appended") box->appendPlainText(QStringLiteral("line"));
    if (use == "asked") GiveKeptFont(box);
    if (use == "emptied") box->clear();
    QCOMPARE(box->font() == Kept(), given);
    if (!given) return;
    QCOMPARE(box->document()->defaultFont(), box->font());

    // Given once: a font set later stays through later focus and text.
    QFont later = Kept();
    later.setPointSize(7);
    box->setFont(later);
    other->setFocus();
    box->setFocus();
    box->setPlainText(QStringLiteral("more"));
    GiveKeptFont(box);
    QCOMPARE(box->font(), later);
  }

  void givenAtOnceToABoxInUse() {
    QPlainTextEdit box;
    box.setPlainText(QStringLiteral("text"));
    SetFontOnFirstUse(&box, Kept());
    QCOMPARE(box.font(), Kept());
  }
};

QTEST_MAIN(FontOnFirstUseTest)
#include "FontOnFirstUseTest.moc"
