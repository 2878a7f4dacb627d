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

#include "gui/cleaning/restart_queue_commands.h"
#include "gui/cleaning/scan_target_lists.h"
#include "gui/widgets/maker.h"
#include "gui/shell/start_page.h"
#include "gui/stats/stats_page.h"
#include "gui/widgets/action_label.h"
#include "gui/widgets/skin.h"
#include "platform/errors.h"
#include "support/gui/fake_platform.h"
#include "support/gui/gui_test_helpers.h"
#include "support/gui/scripted_prompts.h"

using namespace norvane;
using namespace norvane::test;

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  FakePlatform fakes;
  std::shared_ptr<ScriptedPrompts> prompts;
  std::unique_ptr<MainWindow> form;
  QStringList events;  // requests and desktop services, in order

  ActionLabel* label(const QString& name) { return form->findChild<ActionLabel*>(name); }

  void createForm() {
    DesktopServices desktop;
    desktop.openLink = [this](const QString& target) {
      events << QStringLiteral("open:") + target;
    };
    desktop.moveWindow = [this](QWidget* w) {
      events << QStringLiteral("move:") + w->objectName();
      return true;
    };
    form = std::make_unique<MainWindow>(fakes.platform(), prompts, desktop);
    connect(form.get(), &MainWindow::settingsRequested, this,
            [this](int page) { events << QStringLiteral("settings:%1").arg(page); });
    connect(form.get(), &MainWindow::updateRequested, this,
            [this] { events << QStringLiteral("update"); });
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }

 private slots:
  void init() {
    fakes = FakePlatform();
    fakes.volumes->add('C', {"/", 100LL << 30, 40LL << 30, "ROOT"});
    prompts = std::make_shared<ScriptedPrompts>();
    events.clear();
    createForm();
  }

  void cleanup() { form.reset(); }

  void startsOnTheAboutPageWithTheDiskPanelFilled() {
    QCOMPARE(form->windowTitle(), QStringLiteral("Norvane磁盘文件清理"));
    QVERIFY(form->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form->size(), QSize(663, 528));
    QCOMPARE(form->captionLabel->text(), QStringLiteral("Norvane磁盘清理 V1.50.623"));
    QCOMPARE(form->functionPages->currentIndex(), int(MainWindow::kAboutPage));
    QCOMPARE(form->functionCaption->text(), QStringLiteral("欢迎使用"));
    QCOMPARE(form->functionCaption->imageIndex(), 3);
    QCOMPARE(form->infoPages->currentIndex(), 0);
    QCOMPARE(form->infoPageHeading->text(), QStringLiteral("硬盘信息"));
    QCOMPARE(form->descriptionLabel->text(), QStringLiteral("Norvane磁盘文件清理"));
    QCOMPARE(form->findChild<QLabel*>(QStringLiteral("totalCapacityLabel"))->text(),
             QStringLiteral("(C)总计容量:100.00 GB"));
    // The recycle bin waits for a click; no page change ran at start.
    QCOMPARE(label(QStringLiteral("recycleBinLabel"))->text(), QStringLiteral("获取回收站信息"));
    QCOMPARE(fakes.trash->queries, 0);
    QVERIFY(events.isEmpty());
    QVERIFY(QGuiApplication::overrideCursor() != nullptr);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BitmapCursor);
  }

  // The frame keeps its bands from top to bottom: caption line with the window buttons at its
  // right, function buttons in one row, the current function, the pages, the bottom line.
  // Everything but the drag strip (meant to run past the right edge) lies inside the window.
  void frameKeepsItsBands() {
    const QRect window = form->rect();
    QCOMPARE(form->backgroundImage->geometry(), window);
    for (QWidget* w : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (w == form->dragStrip) continue;
      QVERIFY2(window.contains(w->geometry()), qPrintable(w->objectName()));
    }
    const QRect caption = form->dragStrip->geometry();
    for (QWidget* w :
         {static_cast<QWidget*>(form->captionIcon), static_cast<QWidget*>(form->captionLabel),
          static_cast<QWidget*>(form->minimiseButton), static_cast<QWidget*>(form->closeButton)})
      QVERIFY2(w->geometry().bottom() <= caption.bottom(), qPrintable(w->objectName()));
    QVERIFY(form->captionLabel->geometry().right() < form->minimiseButton->x());
    QVERIFY(form->minimiseButton->geometry().right() < form->closeButton->x());

    const int row = form->fileCleaningButton->y();
    QVERIFY(caption.bottom() < row);
    for (QWidget* w : {form->folderStatsButton, form->uninstallButton, form->aboutButton})
      QCOMPARE(w->y(), row);
    QVERIFY(form->fileCleaningButton->geometry().bottom() < form->functionCaption->y());
    QVERIFY(form->functionCaption->geometry().bottom() < form->functionPages->y());
    QVERIFY(form->functionPages->geometry().bottom() < form->copyrightLabel->y());
    QVERIFY(form->functionPages->geometry().bottom() < form->onlineUpdateLink->y());
    QVERIFY(form->copyrightLabel->geometry().right() < form->onlineUpdateLink->x());
  }

  // The bottom links keep their places unless a wide font would push the last past the frame.
  void bottomLinksStayInsideTheFrame() {
    QCOMPARE(form->onlineUpdateLink->y(), 503);
    QCOMPARE(form->makerSiteLink->y(), 503);
    QVERIFY(form->makerSiteLink->x() <= 521);
    QCOMPARE(form->makerSiteLink->x() - form->onlineUpdateLink->x(), 80);
    QVERIFY(form->makerSiteLink->geometry().right() <= 663 - 8);
  }

  // Texts must not be cut: every label lies inside its parent (the drag strip is meant to run
  // past the right edge) and an auto-sized label keeps room for its text in its bold look too.
  void everyLabelFitsItsParent() {
    FileBtnHoverAll();
    auto checkShownLabels = [this] {
      for (QLabel* l : form->findChildren<QLabel*>()) {
        if (l == form->dragStrip || !l->isVisibleTo(form.get())) continue;
        const QRect parentRect = l->parentWidget()->rect();
        QVERIFY2(parentRect.contains(l->geometry()),
                 qPrintable(l->objectName() + QStringLiteral(" ") + l->text()));
        if (auto* a = qobject_cast<ActionLabel*>(l); a != nullptr && a->autoSize())
          QVERIFY2(a->width() >= a->sizeHint().width(), qPrintable(a->objectName()));
      }
    };
    for (int page = 0; page < form->functionPages->count(); ++page) {
      form->functionPages->setCurrentIndex(page);
      checkShownLabels();
    }
    form->functionPages->setCurrentIndex(0);
    for (int page = 0; page < form->infoPages->count(); ++page) {
      form->infoPages->setCurrentIndex(page);
      checkShownLabels();
    }
    // The function buttons stay apart.
    QVERIFY(form->fileCleaningButton->geometry().right() < form->folderStatsButton->x());
    QVERIFY(form->folderStatsButton->geometry().right() < form->uninstallButton->x());
    QVERIFY(form->uninstallButton->geometry().right() < form->aboutButton->x());
    QVERIFY(form->onlineUpdateLink->geometry().right() < form->makerSiteLink->x());
  }

  void functionButtonsSwitchPagesAndHint_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("icon");
    QTest::newRow("fileCleaningButton") << "fileCleaningButton"
                                        << "文件清理" << 0 << 0;
    QTest::newRow("folderStatsButton") << "folderStatsButton"
                                       << "文件夹统计" << 1 << 19;
    QTest::newRow("uninstallButton") << "uninstallButton"
                                     << "软件卸载" << 2 << 2;
  }
  void functionButtonsSwitchPagesAndHint() {
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(int, page);
    QFETCH(int, icon);
    QVERIFY(clickVisible(label(button)));
    QCOMPARE(form->functionPages->currentIndex(), page);
    QCOMPARE(form->functionCaption->text(), caption);
    QCOMPARE(form->functionCaption->imageIndex(), icon);
    QCOMPARE(form->infoPages->currentIndex(), 0);
    QCOMPARE(form->infoPageHeading->text(), QStringLiteral("硬盘信息"));
  }

  void clickingTheShownPageChangesOnlyTheHint() {
    QVERIFY(clickVisible(form->aboutButton));
    QCOMPARE(form->functionCaption->text(), QStringLiteral("关于"));
    QCOMPARE(form->functionCaption->imageIndex(), 15);
    QVERIFY(events.isEmpty());
    QCOMPARE(form->statsPage->countPartitionList->topLevelItemCount(), 0);
  }

  void enteringStatisticsRefillsItsPartitionList() {
    QTreeWidget* partitions = form->statsPage->countPartitionList;
    QVERIFY(clickVisible(form->folderStatsButton));
    QCOMPARE(partitions->topLevelItemCount(), 1);
    QCOMPARE(partitions->topLevelItem(0)->checkState(0), Qt::Checked);
    // Only entering the page fills it.
    fakes.volumes->add('D', {"/data/", 10LL << 30, 5LL << 30, "DATA"});
    QVERIFY(clickVisible(form->fileCleaningButton));
    QCOMPARE(partitions->topLevelItemCount(), 1);
  }

  void functionPageChangePutsTheInformationAreaBack() {
    QVERIFY(clickVisible(form->fileCleaningButton));
    QVERIFY(clickVisible(label(QStringLiteral("myComputerShortcut"))));
    QCOMPARE(form->infoPages->currentIndex(), 1);
    QCOMPARE(form->infoPageHeading->text(), QStringLiteral("我的电脑"));
    QCOMPARE(form->scanTargetLists->partitionList->topLevelItemCount(), 1);
    const int queriesBefore = fakes.volumes->spaceQueries;

    QVERIFY(clickVisible(form->aboutButton));
    QVERIFY(clickVisible(form->fileCleaningButton));
    QCOMPARE(form->infoPages->currentIndex(), 0);
    QCOMPARE(form->infoPageHeading->text(), QStringLiteral("硬盘信息"));
    // Entering "硬盘信息" redraws the disk panel.
    QVERIFY(fakes.volumes->spaceQueries > queriesBefore);
  }

  void shortcutsOpenTheirPagesAndBackReturns_data() {
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("back");
    QTest::newRow("my computer") << "myComputerShortcut" << 1 << "我的电脑"
                                 << "partitionBackCommand";
    QTest::newRow("temp folders") << "tempFoldersShortcut" << 2 << "临时文件夹"
                                  << "tempFolderBackCommand";
    QTest::newRow("common folders") << "commonFoldersShortcut" << 3 << "常用文件夹"
                                    << "commonFolderBackCommand";
    QTest::newRow("restart") << "restartDeleteShortcut" << 4 << "重启删除"
                             << "restartBackCommand";
  }
  void shortcutsOpenTheirPagesAndBackReturns() {
    QFETCH(QString, shortcut);
    QFETCH(int, page);
    QFETCH(QString, heading);
    QFETCH(QString, back);
    QVERIFY(clickVisible(form->fileCleaningButton));
    QVERIFY(clickVisible(label(shortcut)));
    QCOMPARE(form->infoPages->currentIndex(), page);
    QCOMPARE(form->infoPageHeading->text(), heading);
    QVERIFY(clickVisible(label(back)));
    QCOMPARE(form->infoPages->currentIndex(), 0);
    QCOMPARE(form->infoPageHeading->text(), QStringLiteral("硬盘信息"));
  }

  void scanResultPageHasItsBackLabel() {
    QVERIFY(clickVisible(form->fileCleaningButton));
    form->infoPages->setCurrentIndex(5);
    QVERIFY(clickVisible(label(QStringLiteral("scanBackCommand"))));
    QCOMPARE(form->infoPages->currentIndex(), 0);
  }

  void settingsLabelsOpenTheSettingsOnTheirTab_data() {
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("fileTypes");
    QTest::newRow("my computer") << "myComputerShortcut"
                                 << "partitionSettingsCommand"
                                 << "partitionFileTypesCommand";
    QTest::newRow("temp folders") << "tempFoldersShortcut"
                                  << "tempFolderSettingsCommand"
                                  << "tempFolderFileTypesCommand";
    QTest::newRow("common folders") << "commonFoldersShortcut"
                                    << "commonFolderSettingsCommand"
                                    << "commonFolderFileTypesCommand";
  }
  void settingsLabelsOpenTheSettingsOnTheirTab() {
    QFETCH(QString, shortcut);
    QFETCH(QString, settings);
    QFETCH(QString, fileTypes);
    QVERIFY(clickVisible(form->fileCleaningButton));
    QVERIFY(clickVisible(label(shortcut)));
    events.clear();
    QVERIFY(clickVisible(label(settings)));
    QVERIFY(clickVisible(label(fileTypes)));
    QCOMPARE(events, (QStringList{QStringLiteral("settings:0"), QStringLiteral("settings:1")}));
  }

  void hoverTextsOfTheDescriptionBox() {
    QVERIFY(clickVisible(form->fileCleaningButton));
    form->infoPages->setCurrentIndex(1);
    ActionLabel* back = label(QStringLiteral("partitionBackCommand"));
    hover(back);
    QVERIFY(back->font().bold());
    QCOMPARE(form->descriptionLabel->text(), QStringLiteral("Norvane磁盘清理"));
    unhover(back);
    QVERIFY(!back->font().bold());

    ActionLabel* myComputer = label(QStringLiteral("myComputerShortcut"));
    hover(myComputer);
    QCOMPARE(form->descriptionLabel->text(), QStringLiteral("清理硬盘所有分区"));
    unhover(myComputer);
    QVERIFY(!myComputer->font().bold());
    QCOMPARE(form->descriptionLabel->text(), QStringLiteral("清理硬盘所有分区"));

    hover(label(QStringLiteral("restartDeleteShortcut")));
    QCOMPARE(form->descriptionLabel->text(), QStringLiteral("重新启动删除文件"));
  }

  void allPageActionLabelsShareTheHoverLook() {
    const QStringList& names = MainWindow::pageCommandNames();
    QCOMPARE(names.size(), 33);
    for (const QString& name : names) {
      ActionLabel* l = label(name);
      QVERIFY2(l != nullptr, qPrintable(name));
      hover(l);
      QVERIFY2(l->font().bold(), qPrintable(name));
      const QString expected = l->hint().isEmpty() ? QStringLiteral("Norvane磁盘清理") : l->hint();
      QCOMPARE(form->descriptionLabel->text(), expected);
      QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(name));
      unhover(l);
      QVERIFY2(!l->font().bold(), qPrintable(name));
    }
  }

  void shortcutsAndStartLabelsCarryTheirTags() {
    const QStringList captions = {QStringLiteral("开始扫描"), QStringLiteral("开始扫描"),
                                  QStringLiteral("开始扫描"), QStringLiteral("添加文件")};
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(form->startPage->shortcuts[i]->tag(), i + 1);
      ActionLabel* start = form->startPage->startCommands[i];
      QCOMPARE(start->tag(), i + 1);
      QCOMPARE(start->text(), captions[i]);
    }
  }

  void functionButtonsAndBottomLinksHover() {
    for (QWidget* w :
         {static_cast<QWidget*>(form->fileCleaningButton),
          static_cast<QWidget*>(form->folderStatsButton),
          static_cast<QWidget*>(form->uninstallButton), static_cast<QWidget*>(form->aboutButton),
          static_cast<QWidget*>(form->onlineUpdateLink),
          static_cast<QWidget*>(form->makerSiteLink)}) {
      hover(w);
      QVERIFY2(w->font().bold() && w->font().underline(), qPrintable(w->objectName()));
      unhover(w);
      QVERIFY2(w->font().bold() && !w->font().underline(), qPrintable(w->objectName()));
    }
  }

  void aboutLinksUnderlineAndOpen() {
    for (const char* name : {"webSiteLink", "mailLink", "shredderLink", "registryCleanerLink",
                             "startupManagerLink", "privacyLink"}) {
      ActionLabel* l = label(QString::fromLatin1(name));
      hover(l);
      QVERIFY2(l->font().underline(), name);
      unhover(l);
      QVERIFY2(!l->font().underline(), name);
      QVERIFY2(!l->linkTarget().isEmpty(), name);
    }
    QVERIFY(clickVisible(label(QStringLiteral("webSiteLink"))));
    QVERIFY(clickVisible(label(QStringLiteral("mailLink"))));
    QVERIFY(clickVisible(form->makerSiteLink));
    QCOMPARE(events, (QStringList{QStringLiteral("open:") + kMakerWebSite,
                                  QStringLiteral("open:mailto:") + kMakerMail,
                                  QStringLiteral("open:") + kMakerWebSite}));
  }

  void onlineUpdateOpensTheSiteAfterItsWindow() {
    QVERIFY(clickVisible(form->onlineUpdateLink));
    QCOMPARE(events,
             (QStringList{QStringLiteral("update"), QStringLiteral("open:") + kMakerWebSite}));
  }

  void dragStripMovesOnAnyButton() {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
      QTest::mousePress(form->dragStrip, button, Qt::NoModifier, QPoint(300, 10));
    QCOMPARE(events, QStringList(3, QStringLiteral("move:MainWindow")));
  }

  void windowButtons() {
    QTest::mouseClick(form->minimiseButton, Qt::LeftButton);
    QVERIFY(form->windowState().testFlag(Qt::WindowMinimized));
    form->showNormal();
    QTest::mouseClick(form->closeButton, Qt::LeftButton);
    QVERIFY(!form->isVisible());
  }

  void trimTimerRunsOnlyOnTheNtFamily() {
    QVERIFY(form->memoryTrimTimer->isActive());
    QCOMPARE(form->memoryTrimTimer->interval(), 5000);
    form->memoryTrimTimer->setInterval(10);
    QTRY_VERIFY(fakes.system->trims >= 2);

    form.reset();
    fakes.system->nt = false;
    fakes.system->trims = 0;
    createForm();
    QVERIFY(!form->memoryTrimTimer->isActive());
    QTest::qWait(50);
    QCOMPARE(fakes.system->trims, 0);
  }

  void openDialogAsksForOneFileOfAnyKind() {
    prompts->chooseFiles({QStringLiteral("/tmp/a b.txt")});
    QCOMPARE(form->restartQueueCommands->chooseFile(), QStringLiteral("/tmp/a b.txt"));
    QCOMPARE(prompts->last().kind, AskedPrompt::Kind::OpenFiles);
    QCOMPARE(prompts->last().caption, QStringLiteral("选择文件"));
    QCOMPARE(prompts->last().text, QStringLiteral("所有文件|*.*"));
    QVERIFY(!prompts->last().multiSelect);
    QCOMPARE(prompts->last().owner, form.get());
    QCOMPARE(form->restartQueueCommands->chooseFile(), QString());  // cancelled
  }

  void aFailingCommandIsReportedAndTheWindowGoesOn() {
    QVERIFY(clickVisible(form->fileCleaningButton));
    fakes.trash->onQuery = [] { throw NorvaneError("回收站坏了"); };
    QVERIFY(clickVisible(label(QStringLiteral("recycleBinLabel"))));
    QCOMPARE(int(prompts->asked().size()), 1);
    const AskedPrompt& box = prompts->last();
    QCOMPARE(box.text, QStringLiteral("回收站坏了."));
    QCOMPARE(box.caption, QStringLiteral("Norvane磁盘清理"));
    QCOMPARE(box.icon, PromptIcon::Error);
    QCOMPARE(box.buttons, PromptButtons::Ok);
    QCOMPARE(label(QStringLiteral("recycleBinLabel"))->text(), QStringLiteral("获取回收站信息"));
    // The window still answers.
    QVERIFY(clickVisible(form->folderStatsButton));
    QCOMPARE(form->functionPages->currentIndex(), 1);
  }

  void aFailureWhileStartingIsReportedAndTheWindowStillOpens() {
    form.reset();
    fakes.volumes->onIsFixed = [] { throw OSError(5, "Input/output error"); };
    createForm();
    QCOMPARE(int(prompts->asked().size()), 1);
    QVERIFY(prompts->last().text.startsWith(QStringLiteral("System Error.  Code: 5.")));
    QCOMPARE(form->functionPages->currentIndex(), int(MainWindow::kAboutPage));
  }

 private:
  void FileBtnHoverAll() {
    for (QWidget* w :
         {static_cast<QWidget*>(form->fileCleaningButton),
          static_cast<QWidget*>(form->folderStatsButton),
          static_cast<QWidget*>(form->uninstallButton), static_cast<QWidget*>(form->aboutButton),
          static_cast<QWidget*>(form->onlineUpdateLink),
          static_cast<QWidget*>(form->makerSiteLink)})
      hover(w);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
