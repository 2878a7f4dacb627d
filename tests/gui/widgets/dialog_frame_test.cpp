// The skinned dialog frame.
#include "gui/widgets/dialog_frame.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace norvane;

class DialogFrameTest : public QObject {
  Q_OBJECT

 private slots:
  void frameLayout() {
    DialogFrame dialog;
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(dialog.size(), QSize(540, 456));
    QCOMPARE(dialog.dragStrip->geometry(), QRect(-122, 1, 662, 32));
    QCOMPARE(dialog.captionIcon->geometry(), QRect(3, -1, 32, 32));
    QCOMPARE(dialog.captionLabel->pos(), QPoint(38, 13));
    QCOMPARE(dialog.closeButton->pos(), QPoint(517, 8));
  }

  void backgroundFollowsTheDialogsOwnSize() {
    DialogFrame dialog;
    dialog.resize(420, 300);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.backgroundImage->geometry(), QRect(0, 0, 420, 300));
  }

  void showsCentredOnTheScreen() {
    DialogFrame dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QPoint centre = dialog.screen()->availableGeometry().center();
    QVERIFY((dialog.geometry().center() - centre).manhattanLength() <= 2);
  }

  void closeButtonEndsAModalRunWithCancel() {
    DialogFrame dialog;
    QTimer::singleShot(0, &dialog, [&] { QTest::mouseClick(dialog.closeButton, Qt::LeftButton); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
  }

  void dragStripReactsToAnyButton() {
    DialogFrame dialog;
    int moves = 0;
    dialog.setWindowMover([&](QWidget* w) {
      moves += (w == &dialog);
      return true;
    });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mousePress(dialog.dragStrip, Qt::RightButton, Qt::NoModifier, QPoint(300, 10));
    QTest::mousePress(dialog.dragStrip, Qt::LeftButton, Qt::NoModifier, QPoint(300, 10));
    QCOMPARE(moves, 2);
  }
};

QTEST_MAIN(DialogFrameTest)
#include "dialog_frame_test.moc"
