// The skinned dialog frame.
#include "gui/shell/dialog_frame.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace norvane;

class Form2Test : public QObject {
  Q_OBJECT

 private slots:
  void frameLayout() {
    TForm2 dialog;
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(dialog.size(), QSize(540, 456));
    QCOMPARE(dialog.Label1->geometry(), QRect(-122, 1, 662, 32));
    QCOMPARE(dialog.Image2->geometry(), QRect(3, -1, 32, 32));
    QCOMPARE(dialog.FrmCaption->pos(), QPoint(38, 13));
    QCOMPARE(dialog.ToolButton1->pos(), QPoint(517, 8));
  }

  void backgroundFollowsTheDialogsOwnSize() {
    TForm2 dialog;
    dialog.resize(420, 300);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.Image1->geometry(), QRect(0, 0, 420, 300));
  }

  void showsCentredOnTheScreen() {
    TForm2 dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QPoint centre = dialog.screen()->availableGeometry().center();
    QVERIFY((dialog.geometry().center() - centre).manhattanLength() <= 2);
  }

  void closeButtonEndsAModalRunWithCancel() {
    TForm2 dialog;
    QTimer::singleShot(0, &dialog, [&] { QTest::mouseClick(dialog.ToolButton1, Qt::LeftButton); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
  }

  void dragStripReactsToAnyButton() {
    TForm2 dialog;
    int moves = 0;
    dialog.setWindowMover([&](QWidget* w) {
      moves += (w == &dialog);
      return true;
    });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mousePress(dialog.Label1, Qt::RightButton, Qt::NoModifier, QPoint(300, 10));
    QTest::mousePress(dialog.Label1, Qt::LeftButton, Qt::NoModifier, QPoint(300, 10));
    QCOMPARE(moves, 2);
  }
};

QTEST_MAIN(Form2Test)
#include "dialog_frame_test.moc"
