// SPDX-License-Identifier: MIT
// A box's font kept until its first use: given at the first focus or text, whichever way the
// text comes, never for an emptied box, and at once for a box already in use.
#include <QtTest>
#include <memory>

#include "tests/ui/UiTestSupport.h"
#include "ui/common/FontOnFirstUse.h"

using namespace testing_ui;
using valdora::GiveKeptFont;
using valdora::SetFontOnFirstUse;

namespace {
QFont Kept() {
  QFont font(u"Monospace"_s);
  font.setPointSize(23);  // unlike any default
  return font;
}

// Does to `box` what `use` names; "emptied" and "shown" are not uses.
void Use(QPlainTextEdit* box, const QString& use) {
  if (use == u"focus") box->setFocus();
  else if (use == u"typed") QTest::keyClicks(box, u"x"_s);  // a click would focus
  else if (use == u"written") box->setPlainText(u"2008-07-12"_s);
  else if (use == u"appended") box->appendPlainText(u"line"_s);
  else if (use == u"asked") GiveKeptFont(box);
  else if (use == u"emptied") box->clear();
}
}  // namespace

class FontOnFirstUseTest : public QObject {
  Q_OBJECT

 private slots:
  void givenAtTheFirstUse_data() {
    QTest::addColumn<QString>("use");
    QTest::addColumn<bool>("given");
    QTest::newRow("focus") << u"focus"_s << true;
    QTest::newRow("typed") << u"typed"_s << true;
    QTest::newRow("written") << u"written"_s << true;
    QTest::newRow("appended") << u"appended"_s << true;
    QTest::newRow("asked") << u"asked"_s << true;
    QTest::newRow("emptied-is-not-a-use") << u"emptied"_s << false;
    QTest::newRow("shown-is-not-a-use") << u"shown"_s << false;
  }
  void givenAtTheFirstUse() {
    QFETCH(QString, use);
    QFETCH(bool, given);
    QWidget window;
    auto* other = new QPlainTextEdit(&window);
    other->move(0, 200);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const std::unique_ptr<QPlainTextEdit> box = std::make_unique<QPlainTextEdit>(&window);
    box->show();
    other->setFocus();
    const QFont before = box->font();
    SetFontOnFirstUse(box.get(), Kept());
    QCOMPARE(box->font(), before);
    Use(box.get(), use);
    QCOMPARE(box->font() == Kept(), given);
    if (!given) return;
    QCOMPARE(box->document()->defaultFont(), box->font());

    // Given once: a font set later stays through later focus and text.
    QFont later = Kept();
    later.setPointSize(7);
    box->setFont(later);
    other->setFocus();
    box->setFocus();
    box->setPlainText(u"more"_s);
    GiveKeptFont(box.get());
    QCOMPARE(box->font(), later);
  }

  void givenAtOnceToABoxInUse() {
    QPlainTextEdit box;
    box.setPlainText(u"text"_s);
    SetFontOnFirstUse(&box, Kept());
    QCOMPARE(box.font(), Kept());
  }
};

QTEST_MAIN(FontOnFirstUseTest)
#include "FontOnFirstUseTest.moc"
