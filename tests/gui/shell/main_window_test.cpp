// The main window: start state, places, function and information page changes, hover texts,
// links, the drag strip, the window buttons, the trim timer and the general error report.
#include "gui/shell/main_window.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <memory>

#include "gui/widgets/action_label.h"
#include "gui/shell/maker.h"
#include "gui/widgets/skin.h"
#include "support/gui/gui_test_helpers.h"
#include "platform/errors.h"
#include "support/gui/fake_platform.h"
#include "support/gui/scripted_prompts.h"

using namespace norvane;
using namespace norvane::test;

class MainFormTest : public QObject {
  Q_OBJECT

 private:
  FakePlatform fakes;
  std::shared_ptr<ScriptedPrompts> prompts;
  std::unique_ptr<TMainForm> form;
  bool busy = false;
  int busyReads = 0;
  QStringList events;  // hooks called, in order

  ActionLabel* label(const QString& name) { return form->findChild<ActionLabel*>(name); }

  void createForm() {
    MainFormHooks hooks;
    hooks.findFileBusy = [this] {
      ++busyReads;
      return busy;
    };
    hooks.showSettings = [this](int page) { events << QStringLiteral("settings:%1").arg(page); };
    hooks.showUpdateWindow = [this] { events << QStringLiteral("update"); };
    hooks.fillPartitionList = [this](QTreeWidget* list) {
      events << QStringLiteral("fill:") + list->objectName();
    };
    hooks.refreshInfoPage = [this](int page) { events << QStringLiteral("refresh:%1").arg(page); };
    hooks.openLink = [this](const QString& target) { events << QStringLiteral("open:") + target; };
    hooks.moveWindow = [this](QWidget* w) {
      events << QStringLiteral("move:") + w->objectName();
      return true;
    };
    form = std::make_unique<TMainForm>(fakes.platform(), prompts, hooks);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }

 private slots:
  void init() {
    fakes = FakePlatform();
    fakes.volumes->add('C', {"/", 100LL << 30, 40LL << 30, "ROOT"});
    prompts = std::make_shared<ScriptedPrompts>();
    busy = false;
    busyReads = 0;
    events.clear();
    createForm();
  }

  void cleanup() { form.reset(); }

  void startsOnTheAboutPageWithTheDiskPanelFilled() {
    QCOMPARE(form->windowTitle(), QStringLiteral("Norvane磁盘文件清理"));
    QVERIFY(form->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form->size(), QSize(663, 528));
    QCOMPARE(form->FrmCaption->text(), QStringLiteral("Norvane磁盘清理 V1.50.623"));
    QCOMPARE(form->PageNote->currentIndex(), int(TMainForm::kAboutPage));
    QCOMPARE(form->HintLbl->text(), QStringLiteral("欢迎使用"));
    QCOMPARE(form->HintLbl->imageIndex(), 3);
    QCOMPARE(form->InfoNote->currentIndex(), 0);
    QCOMPARE(form->Label2->text(), QStringLiteral("硬盘信息"));
    QCOMPARE(form->Label7->text(), QStringLiteral("Norvane磁盘文件清理"));
    QCOMPARE(form->findChild<QLabel*>(QStringLiteral("HDChartFoot"))->text(),
             QStringLiteral("(C)总计容量:100.00 GB"));
    // The recycle bin waits for a click; no page change ran at start.
    QCOMPARE(label(QStringLiteral("Label12"))->text(), QStringLiteral("获取回收站信息"));
    QCOMPARE(fakes.trash->queries, 0);
    QCOMPARE(busyReads, 0);
    QVERIFY(events.isEmpty());
    QVERIFY(QGuiApplication::overrideCursor() != nullptr);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BitmapCursor);
  }

  void controlsSitAtTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("Label1") << "Label1" << QPoint(8, 1);
    QTest::newRow("Image2") << "Image2" << QPoint(5, 1);
    QTest::newRow("FrmCaption") << "FrmCaption" << QPoint(38, 13);
    QTest::newRow("ToolButton2") << "ToolButton2" << QPoint(624, 10);
    QTest::newRow("ToolButton1") << "ToolButton1" << QPoint(640, 10);
    QTest::newRow("FileBtn") << "FileBtn" << QPoint(341, 68);
    QTest::newRow("RegBtn") << "RegBtn" << QPoint(421, 68);
    QTest::newRow("SoftBtn") << "SoftBtn" << QPoint(514, 68);
    QTest::newRow("ActLabel6") << "ActLabel6" << QPoint(594, 68);
    QTest::newRow("HintLbl") << "HintLbl" << QPoint(569, 103);
    QTest::newRow("PageNote") << "PageNote" << QPoint(20, 125);
    QTest::newRow("Label3") << "Label3" << QPoint(20, 505);
  }
  void controlsSitAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QPoint, topLeft);
    auto* w = form->findChild<QWidget*>(name);
    QVERIFY2(w != nullptr, qPrintable(name));
    QCOMPARE(w->parentWidget(), form.get());
    QCOMPARE(w->pos(), topLeft);
  }

  // The bottom links keep their places unless a wide font would push the last past the frame.
  void bottomLinksStayInsideTheFrame() {
    QCOMPARE(form->ActLabel39->y(), 503);
    QCOMPARE(form->ActLabel40->y(), 503);
    QVERIFY(form->ActLabel40->x() <= 521);
    QCOMPARE(form->ActLabel40->x() - form->ActLabel39->x(), 80);
    QVERIFY(form->ActLabel40->geometry().right() <= 663 - 8);
  }

  void sizesOfTheFrameParts() {
    QCOMPARE(form->Label1->size(), QSize(662, 32));
    QCOMPARE(form->Image2->size(), QSize(32, 32));
    QCOMPARE(form->PageNote->size(), QSize(622, 367));
    QCOMPARE(form->InfoNote->size(), QSize(583, 157));
    QCOMPARE(form->Image1->geometry(), QRect(0, 0, 663, 528));
    QCOMPARE(form->Timer1->interval(), 5000);
  }

  // Texts must not be cut: every label lies inside its parent (the drag strip is meant to run
  // past the right edge) and an auto-sized label keeps room for its text in its bold look too.
  void everyLabelFitsItsParent() {
    FileBtnHoverAll();
    auto checkShownLabels = [this] {
      for (QLabel* l : form->findChildren<QLabel*>()) {
        if (l == form->Label1 || !l->isVisibleTo(form.get())) continue;
        const QRect parentRect = l->parentWidget()->rect();
        QVERIFY2(parentRect.contains(l->geometry()),
                 qPrintable(l->objectName() + QStringLiteral(" ") + l->text()));
        if (auto* a = qobject_cast<ActionLabel*>(l); a != nullptr && a->autoSize())
          QVERIFY2(a->width() >= a->sizeHint().width(), qPrintable(a->objectName()));
      }
    };
    for (int page = 0; page < form->PageNote->count(); ++page) {
      form->PageNote->setCurrentIndex(page);
      checkShownLabels();
    }
    form->PageNote->setCurrentIndex(0);
    for (int page = 0; page < form->InfoNote->count(); ++page) {
      form->InfoNote->setCurrentIndex(page);
      checkShownLabels();
    }
    // The function buttons stay apart.
    QVERIFY(form->FileBtn->geometry().right() < form->RegBtn->x());
    QVERIFY(form->RegBtn->geometry().right() < form->SoftBtn->x());
    QVERIFY(form->SoftBtn->geometry().right() < form->ActLabel6->x());
    QVERIFY(form->ActLabel39->geometry().right() < form->ActLabel40->x());
  }

  void functionButtonsSwitchPagesAndHint_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("icon");
    QTest::newRow("FileBtn") << "FileBtn"
                             << "文件清理" << 0 << 0;
    QTest::newRow("RegBtn") << "RegBtn"
                            << "文件夹统计" << 1 << 19;
    QTest::newRow("SoftBtn") << "SoftBtn"
                             << "软件卸载" << 2 << 2;
  }
  void functionButtonsSwitchPagesAndHint() {
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(int, page);
    QFETCH(int, icon);
    QVERIFY(clickVisible(label(button)));
    QCOMPARE(form->PageNote->currentIndex(), page);
    QCOMPARE(form->HintLbl->text(), caption);
    QCOMPARE(form->HintLbl->imageIndex(), icon);
    QCOMPARE(form->InfoNote->currentIndex(), 0);
    QCOMPARE(form->Label2->text(), QStringLiteral("硬盘信息"));
    QCOMPARE(busyReads, 1);
  }

  void clickingTheShownPageChangesOnlyTheHint() {
    QVERIFY(clickVisible(form->ActLabel6));
    QCOMPARE(form->HintLbl->text(), QStringLiteral("关于"));
    QCOMPARE(form->HintLbl->imageIndex(), 15);
    QCOMPARE(busyReads, 0);
    QVERIFY(events.isEmpty());
  }

  void enteringStatisticsRefillsItsPartitionList() {
    QVERIFY(clickVisible(form->RegBtn));
    QCOMPARE(events, QStringList{QStringLiteral("fill:HDlist1")});
    QVERIFY(clickVisible(form->FileBtn));
    QCOMPARE(events.size(), 1);
  }

  void functionPageChangePutsTheInformationAreaBack() {
    QVERIFY(clickVisible(form->FileBtn));
    QVERIFY(clickVisible(label(QStringLiteral("ActLabel2"))));
    QCOMPARE(form->InfoNote->currentIndex(), 1);
    QCOMPARE(form->Label2->text(), QStringLiteral("我的电脑"));
    QCOMPARE(events, QStringList{QStringLiteral("refresh:1")});
    const int queriesBefore = fakes.volumes->spaceQueries;

    QVERIFY(clickVisible(form->ActLabel6));
    QVERIFY(clickVisible(form->FileBtn));
    QCOMPARE(form->InfoNote->currentIndex(), 0);
    QCOMPARE(form->Label2->text(), QStringLiteral("硬盘信息"));
    // Entering "硬盘信息" redraws the disk panel.
    QVERIFY(fakes.volumes->spaceQueries > queriesBefore);
  }

  void aRunningScanShowsTheScanResult() {
    QVERIFY(clickVisible(form->FileBtn));
    busy = true;
    QVERIFY(clickVisible(form->RegBtn));
    QVERIFY(clickVisible(form->FileBtn));
    QCOMPARE(form->InfoNote->currentIndex(), 5);
    QCOMPARE(form->Label2->text(), QStringLiteral("扫描结果"));
    busy = false;
    QVERIFY(clickVisible(form->ActLabel6));
    QCOMPARE(form->InfoNote->currentIndex(), 0);
  }

  void shortcutsOpenTheirPagesAndBackReturns_data() {
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("back");
    QTest::newRow("my computer") << "ActLabel2" << 1 << "我的电脑"
                                 << "ActLabel7";
    QTest::newRow("temp folders") << "ActLabel3" << 2 << "临时文件夹"
                                  << "ActLabel13";
    QTest::newRow("common folders") << "ActLabel4" << 3 << "常用文件夹"
                                    << "ActLabel18";
    QTest::newRow("restart") << "ActLabel5" << 4 << "重启删除"
                             << "ActLabel24";
  }
  void shortcutsOpenTheirPagesAndBackReturns() {
    QFETCH(QString, shortcut);
    QFETCH(int, page);
    QFETCH(QString, heading);
    QFETCH(QString, back);
    QVERIFY(clickVisible(form->FileBtn));
    QVERIFY(clickVisible(label(shortcut)));
    QCOMPARE(form->InfoNote->currentIndex(), page);
    QCOMPARE(form->Label2->text(), heading);
    QVERIFY(clickVisible(label(back)));
    QCOMPARE(form->InfoNote->currentIndex(), 0);
    QCOMPARE(form->Label2->text(), QStringLiteral("硬盘信息"));
  }

  void scanResultPageHasItsBackLabel() {
    QVERIFY(clickVisible(form->FileBtn));
    form->InfoNote->setCurrentIndex(5);
    QVERIFY(clickVisible(label(QStringLiteral("ActLabel30"))));
    QCOMPARE(form->InfoNote->currentIndex(), 0);
  }

  void settingsLabelsOpenTheSettingsOnTheirTab_data() {
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("fileTypes");
    QTest::newRow("my computer") << "ActLabel2"
                                 << "ActLabel9"
                                 << "ActLabel8";
    QTest::newRow("temp folders") << "ActLabel3"
                                  << "ActLabel11"
                                  << "ActLabel12";
    QTest::newRow("common folders") << "ActLabel4"
                                    << "ActLabel16"
                                    << "ActLabel17";
  }
  void settingsLabelsOpenTheSettingsOnTheirTab() {
    QFETCH(QString, shortcut);
    QFETCH(QString, settings);
    QFETCH(QString, fileTypes);
    QVERIFY(clickVisible(form->FileBtn));
    QVERIFY(clickVisible(label(shortcut)));
    events.clear();
    QVERIFY(clickVisible(label(settings)));
    QVERIFY(clickVisible(label(fileTypes)));
    QCOMPARE(events, (QStringList{QStringLiteral("settings:0"), QStringLiteral("settings:1")}));
  }

  void hoverTextsOfTheDescriptionBox() {
    QVERIFY(clickVisible(form->FileBtn));
    form->InfoNote->setCurrentIndex(1);
    ActionLabel* back = label(QStringLiteral("ActLabel7"));
    hover(back);
    QVERIFY(back->font().bold());
    QCOMPARE(form->Label7->text(), QStringLiteral("Norvane磁盘清理"));
    unhover(back);
    QVERIFY(!back->font().bold());

    ActionLabel* myComputer = label(QStringLiteral("ActLabel2"));
    hover(myComputer);
    QCOMPARE(form->Label7->text(), QStringLiteral("清理硬盘所有分区"));
    unhover(myComputer);
    QVERIFY(!myComputer->font().bold());
    QCOMPARE(form->Label7->text(), QStringLiteral("清理硬盘所有分区"));

    hover(label(QStringLiteral("ActLabel5")));
    QCOMPARE(form->Label7->text(), QStringLiteral("重新启动删除文件"));
  }

  void allPageActionLabelsShareTheHoverLook() {
    QStringList names;
    for (int i = 2; i <= 5; ++i) names << QStringLiteral("ActLabel%1").arg(i);
    for (int i = 35; i <= 38; ++i) names << QStringLiteral("ActLabel%1").arg(i);
    names << QStringLiteral("ActLabel23") << QStringLiteral("ActLabel24");
    for (int i = 7; i <= 22; ++i) names << QStringLiteral("ActLabel%1").arg(i);
    for (int i = 28; i <= 34; ++i) names << QStringLiteral("ActLabel%1").arg(i);
    QCOMPARE(names.size(), 33);
    for (const QString& name : names) {
      ActionLabel* l = label(name);
      QVERIFY2(l != nullptr, qPrintable(name));
      hover(l);
      QVERIFY2(l->font().bold(), qPrintable(name));
      const QString expected = l->hint().isEmpty() ? QStringLiteral("Norvane磁盘清理") : l->hint();
      QCOMPARE(form->Label7->text(), expected);
      QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(name));
      unhover(l);
      QVERIFY2(!l->font().bold(), qPrintable(name));
    }
  }

  void shortcutsAndStartLabelsCarryTheirTags() {
    const QStringList captions = {QStringLiteral("开始扫描"), QStringLiteral("开始扫描"),
                                  QStringLiteral("开始扫描"), QStringLiteral("添加文件")};
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(label(QStringLiteral("ActLabel%1").arg(2 + i))->tag(), i + 1);
      ActionLabel* start = label(QStringLiteral("ActLabel%1").arg(35 + i));
      QCOMPARE(start->tag(), i + 1);
      QCOMPARE(start->text(), captions[i]);
    }
  }

  void functionButtonsAndBottomLinksHover() {
    for (QWidget* w :
         {static_cast<QWidget*>(form->FileBtn), static_cast<QWidget*>(form->RegBtn),
          static_cast<QWidget*>(form->SoftBtn), static_cast<QWidget*>(form->ActLabel6),
          static_cast<QWidget*>(form->ActLabel39), static_cast<QWidget*>(form->ActLabel40)}) {
      hover(w);
      QVERIFY2(w->font().bold() && w->font().underline(), qPrintable(w->objectName()));
      unhover(w);
      QVERIFY2(w->font().bold() && !w->font().underline(), qPrintable(w->objectName()));
    }
  }

  void aboutLinksUnderlineAndOpen() {
    for (const char* name :
         {"ActLabel42", "ActLabel43", "ActLabel45", "ActLabel46", "ActLabel47", "ActLabel48"}) {
      ActionLabel* l = label(QString::fromLatin1(name));
      hover(l);
      QVERIFY2(l->font().underline(), name);
      unhover(l);
      QVERIFY2(!l->font().underline(), name);
      QVERIFY2(!l->linkTarget().isEmpty(), name);
    }
    QVERIFY(clickVisible(label(QStringLiteral("ActLabel42"))));
    QVERIFY(clickVisible(label(QStringLiteral("ActLabel43"))));
    QVERIFY(clickVisible(form->ActLabel40));
    QCOMPARE(events, (QStringList{QStringLiteral("open:") + kMakerWebSite,
                                  QStringLiteral("open:mailto:") + kMakerMail,
                                  QStringLiteral("open:") + kMakerWebSite}));
  }

  void onlineUpdateOpensTheSiteAfterItsWindow() {
    QVERIFY(clickVisible(form->ActLabel39));
    QCOMPARE(events,
             (QStringList{QStringLiteral("update"), QStringLiteral("open:") + kMakerWebSite}));
  }

  void dragStripMovesOnAnyButton() {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
      QTest::mousePress(form->Label1, button, Qt::NoModifier, QPoint(300, 10));
    QCOMPARE(events, QStringList(3, QStringLiteral("move:MainForm")));
  }

  void windowButtons() {
    QTest::mouseClick(form->ToolButton2, Qt::LeftButton);
    QVERIFY(form->windowState().testFlag(Qt::WindowMinimized));
    form->showNormal();
    QTest::mouseClick(form->ToolButton1, Qt::LeftButton);
    QVERIFY(!form->isVisible());
  }

  void trimTimerRunsOnlyOnTheNtFamily() {
    QVERIFY(form->Timer1->isActive());
    form->Timer1->setInterval(10);
    QTRY_VERIFY(fakes.system->trims >= 2);

    form.reset();
    fakes.system->nt = false;
    fakes.system->trims = 0;
    createForm();
    QVERIFY(!form->Timer1->isActive());
    QTest::qWait(50);
    QCOMPARE(fakes.system->trims, 0);
  }

  void openDialogAsksForOneFileOfAnyKind() {
    prompts->chooseFiles({QStringLiteral("/tmp/a b.txt")});
    QCOMPARE(form->OpenDlgExecute(), QStringLiteral("/tmp/a b.txt"));
    QCOMPARE(prompts->last().kind, AskedPrompt::Kind::OpenFiles);
    QCOMPARE(prompts->last().caption, QStringLiteral("选择文件"));
    QCOMPARE(prompts->last().text, QStringLiteral("所有文件|*.*"));
    QVERIFY(!prompts->last().multiSelect);
    QCOMPARE(prompts->last().owner, form.get());
    QCOMPARE(form->OpenDlgExecute(), QString());  // cancelled
  }

  void aFailingCommandIsReportedAndTheWindowGoesOn() {
    QVERIFY(clickVisible(form->FileBtn));
    fakes.trash->onQuery = [] { throw NorvaneError("回收站坏了"); };
    QVERIFY(clickVisible(label(QStringLiteral("Label12"))));
    QCOMPARE(int(prompts->asked().size()), 1);
    const AskedPrompt& box = prompts->last();
    QCOMPARE(box.text, QStringLiteral("回收站坏了."));
    QCOMPARE(box.caption, QStringLiteral("Norvane磁盘清理"));
    QCOMPARE(box.icon, PromptIcon::Error);
    QCOMPARE(box.buttons, PromptButtons::Ok);
    QCOMPARE(label(QStringLiteral("Label12"))->text(), QStringLiteral("获取回收站信息"));
    // The window still answers.
    QVERIFY(clickVisible(form->RegBtn));
    QCOMPARE(form->PageNote->currentIndex(), 1);
  }

  void aFailureWhileStartingIsReportedAndTheWindowStillOpens() {
    form.reset();
    fakes.volumes->onIsFixed = [] { throw OSError(5, "Input/output error"); };
    createForm();
    QCOMPARE(int(prompts->asked().size()), 1);
    QVERIFY(prompts->last().text.startsWith(QStringLiteral("System Error.  Code: 5.")));
    QCOMPARE(form->PageNote->currentIndex(), int(TMainForm::kAboutPage));
  }

 private:
  void FileBtnHoverAll() {
    for (QWidget* w :
         {static_cast<QWidget*>(form->FileBtn), static_cast<QWidget*>(form->RegBtn),
          static_cast<QWidget*>(form->SoftBtn), static_cast<QWidget*>(form->ActLabel6),
          static_cast<QWidget*>(form->ActLabel39), static_cast<QWidget*>(form->ActLabel40)})
      hover(w);
  }
};

QTEST_MAIN(MainFormTest)
#include "main_window_test.moc"
