// The settings dialog and its add dialog: what "Setup.ini" gives the controls, what saving
// writes, "默认设置", adding a type, and a failed write.
#include "gui/cleaning/cleaning_settings_dialog.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <memory>

#include "gui/cleaning/add_entry_dialog.h"
#include "gui/widgets/action_label.h"
#include "gui/widgets/labeled_edit.h"
#include "support/gui/modal.h"
#include "support/gui/scripted_prompts.h"
#include "support/temp_dir.h"

using namespace norvane;
using namespace norvane::test;

namespace {

QString optionBits(const CleaningSettingsDialog& form) {
  QString bits;
  for (QCheckBox* box : form.optionBoxes)
    bits += box->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
  return bits;
}

}  // namespace

class CleaningSettingsDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::string ini;
  std::shared_ptr<ScriptedPrompts> prompts;

  std::unique_ptr<CleaningSettingsDialog> create() {
    return std::make_unique<CleaningSettingsDialog>(ini, prompts);
  }

 private slots:
  void init() {
    dir = std::make_unique<TempDir>();
    ini = *dir / "Setup.ini";
    prompts = std::make_shared<ScriptedPrompts>();
  }
  void cleanup() { dir.reset(); }

  void savesTheBuiltInStateInFileOrder() {
    auto form = create();
    QCOMPARE(form->size(), QSize(568, 435));
    QCOMPARE(form->captionLabel->text(), QStringLiteral("清理设置"));
    QCOMPARE(form->fileTypeList->headerItem()->text(1), QStringLiteral("文件"));
    QVERIFY(form->optionBoxes[6]->isHidden());
    QCOMPARE(optionBits(*form), QStringLiteral("11110101"));
    QCOMPARE(form->currentSettings().types, builtInFileTypes());

    form->show();
    form->saveCommand->click();
    QVERIFY(!form->isVisible());
    std::string expected = "[ScanSet]\r\n";
    for (int i = 1; i <= 8; ++i)
      expected += "Optichk" + std::to_string(i) + "=" + (i == 5 || i == 7 ? "0" : "1") + "\r\n";
    expected += "\r\n[FileList]\r\n";  // a new section follows a blank line
    for (const auto& type : builtInFileTypes())
      expected += type.description + "=" + type.masks + "\r\n";
    QCOMPARE(QString::fromStdString(readWholeFile(ini)), QString::fromStdString(expected));
  }

  void readsOptionValuesAndASingleFileType() {
    dir->writeFile(
        "Setup.ini",
        "[scanset]\noptichk1=2\nOptichk2=-1\nOptichk3=0x10\nOptichk4=yes\nOptichk5=\n"
        "Optichk6=0\nOptichk8=$1\nfileTypeList=1\nokButton=1\n[FileList]\n日志文件=*.log;\n");
    auto form = create();
    // Optichk7 has no key and keeps its state; keys naming no option are ignored.
    QCOMPARE(optionBits(*form), QStringLiteral("11100001"));
    QCOMPARE(form->fileTypeList->topLevelItemCount(), 1);
    QCOMPARE(form->fileTypeList->topLevelItem(0)->checkState(0), Qt::Checked);
    QCOMPARE(joinScanMasks(form->currentSettings().types), std::string("*.log;"));
  }

  void typeChecksAreNotKeptAndDuplicateDescriptionsMerge() {
    auto form = create();
    form->fileTypeList->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    auto* twin = new QTreeWidgetItem(form->fileTypeList, {QStringLiteral("日志文件"), "*.txt;"});
    twin->setCheckState(0, Qt::Checked);
    form->optionBoxes[4]->setChecked(true);
    // What is on display is what the scan uses, saved or not.
    QCOMPARE(form->currentSettings().types.front().checked, false);
    QVERIFY(form->currentSettings().options.scanSystem);
    form->saveSettings();

    auto again = create();
    QCOMPARE(again->fileTypeList->topLevelItemCount(), 7);
    for (int i = 0; i < 7; ++i)
      QCOMPARE(again->fileTypeList->topLevelItem(i)->checkState(0), Qt::Checked);
    // The later row's masks text at the earlier key's place.
    QCOMPARE(again->fileTypeList->topLevelItem(6)->text(0), QStringLiteral("日志文件"));
    QCOMPARE(again->fileTypeList->topLevelItem(6)->text(1), QStringLiteral("*.txt;"));
    QVERIFY(again->optionBoxes[4]->isChecked());
  }

  void defaultSettingsRemovesTheFileButKeepsTheDisplay() {
    dir->writeFile("Setup.ini", "[ScanSet]\nOptichk5=1\n[FileList]\nA=*.a;\n");
    auto form = create();
    form->show();
    form->defaultsCommand->click();
    QVERIFY(!form->isVisible());
    QVERIFY(!QFile::exists(QString::fromStdString(ini)));
    QVERIFY(form->optionBoxes[4]->isChecked());
    QCOMPARE(form->fileTypeList->topLevelItemCount(), 1);
    QCOMPARE(optionBits(*create()), QStringLiteral("11110101"));
  }

  void failedWriteIsReportedAndTheDialogStaysOpen() {
    ini = *dir / "missing/Setup.ini";
    auto form = create();
    form->show();
    form->saveCommand->click();
    QVERIFY(form->isVisible());
    QCOMPARE(prompts->asked().size(), size_t(1));
    QCOMPARE(prompts->last().text,
             QStringLiteral("Unable to write to %1.").arg(QString::fromStdString(ini)));
    QCOMPARE(prompts->last().icon, PromptIcon::Error);
  }

  void addTypeAppendsACheckedRowOnOkOnly() {
    auto form = create();
    whenModal<AddEntryDialog>([](AddEntryDialog* add) {
      QCOMPARE(add->captionLabel->text(), QStringLiteral("增加文件类型"));
      QCOMPARE(add->lowerEdit->fieldCaption->text(), QStringLiteral("文件类型："));
      QVERIFY(add->browseButton->isHidden());
      add->upperEdit->setText(QStringLiteral("备份"));
      add->lowerEdit->setText(QStringLiteral("*.bk1"));
      add->okButton->click();
    });
    form->addTypeCommand->click();
    whenModal<AddEntryDialog>([](AddEntryDialog* add) {
      add->upperEdit->setText(QStringLiteral("x"));
      add->cancelButton->click();
    });
    form->addTypeCommand->click();
    whenModal<AddEntryDialog>([](AddEntryDialog* add) { add->closeButton->click(); });
    form->addTypeCommand->click();

    QCOMPARE(form->fileTypeList->topLevelItemCount(), 8);
    QTreeWidgetItem* added = form->fileTypeList->topLevelItem(7);
    QCOMPARE(added->text(0), QStringLiteral("备份"));
    QCOMPARE(added->text(1), QStringLiteral("*.bk1;"));
    QCOMPARE(added->checkState(0), Qt::Checked);
  }

  void opensOnTheAskedPageAndTheTabsSwitchPages() {
    auto form = create();
    whenModal<CleaningSettingsDialog>([](CleaningSettingsDialog* shown) {
      QCOMPARE(shown->settingsTabs->currentIndex(), 1);
      QCOMPARE(shown->settingsPages->currentIndex(), 1);
      shown->settingsTabs->setCurrentIndex(0);
      QCOMPARE(shown->settingsPages->currentIndex(), 0);
      shown->closeButton->click();
    });
    form->showModalOnPage(CleaningSettingsDialog::kFileTypePage);
    QVERIFY(!form->isVisible());
  }
};

QTEST_MAIN(CleaningSettingsDialogTest)
#include "cleaning_settings_dialog_test.moc"
