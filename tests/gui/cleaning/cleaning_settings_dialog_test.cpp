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

#include "gui/widgets/action_label.h"
#include "gui/cleaning/add_entry_dialog.h"
#include "gui/widgets/labeled_edit.h"
#include "support/gui/modal.h"
#include "support/gui/scripted_prompts.h"
#include "support/temp_dir.h"

using namespace norvane;
using namespace norvane::test;

namespace {

QString optionBits(const TForm4& form) {
  QString bits;
  for (QCheckBox* box : form.Optichk)
    bits += box->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
  return bits;
}

}  // namespace

class Form4Test : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::string ini;
  std::shared_ptr<ScriptedPrompts> prompts;

  std::unique_ptr<TForm4> create() { return std::make_unique<TForm4>(ini, prompts); }

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
    QCOMPARE(form->FrmCaption->text(), QStringLiteral("清理设置"));
    QCOMPARE(form->FileType->headerItem()->text(1), QStringLiteral("文件"));
    QVERIFY(form->Optichk[6]->isHidden());
    QCOMPARE(optionBits(*form), QStringLiteral("11110101"));
    QCOMPARE(form->currentSettings().types, builtInFileTypes());

    form->show();
    form->ActLabel1->click();
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
        "Optichk6=0\nOptichk8=$1\nFileType=1\nPushButton1=1\n[FileList]\n日志文件=*.log;\n");
    auto form = create();
    // Optichk7 has no key and keeps its state; keys naming no option are ignored.
    QCOMPARE(optionBits(*form), QStringLiteral("11100001"));
    QCOMPARE(form->FileType->topLevelItemCount(), 1);
    QCOMPARE(form->FileType->topLevelItem(0)->checkState(0), Qt::Checked);
    QCOMPARE(joinScanMasks(form->currentSettings().types), std::string("*.log;"));
  }

  void typeChecksAreNotKeptAndDuplicateDescriptionsMerge() {
    auto form = create();
    form->FileType->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    auto* twin = new QTreeWidgetItem(form->FileType, {QStringLiteral("日志文件"), "*.txt;"});
    twin->setCheckState(0, Qt::Checked);
    form->Optichk[4]->setChecked(true);
    // What is on display is what the scan uses, saved or not.
    QCOMPARE(form->currentSettings().types.front().checked, false);
    QVERIFY(form->currentSettings().options[4]);
    form->SaveSettings();

    auto again = create();
    QCOMPARE(again->FileType->topLevelItemCount(), 7);
    for (int i = 0; i < 7; ++i)
      QCOMPARE(again->FileType->topLevelItem(i)->checkState(0), Qt::Checked);
    // The later row's masks text at the earlier key's place.
    QCOMPARE(again->FileType->topLevelItem(6)->text(0), QStringLiteral("日志文件"));
    QCOMPARE(again->FileType->topLevelItem(6)->text(1), QStringLiteral("*.txt;"));
    QVERIFY(again->Optichk[4]->isChecked());
  }

  void defaultSettingsRemovesTheFileButKeepsTheDisplay() {
    dir->writeFile("Setup.ini", "[ScanSet]\nOptichk5=1\n[FileList]\nA=*.a;\n");
    auto form = create();
    form->show();
    form->ActLabel2->click();
    QVERIFY(!form->isVisible());
    QVERIFY(!QFile::exists(QString::fromStdString(ini)));
    QVERIFY(form->Optichk[4]->isChecked());
    QCOMPARE(form->FileType->topLevelItemCount(), 1);
    QCOMPARE(optionBits(*create()), QStringLiteral("11110101"));
  }

  void failedWriteIsReportedAndTheDialogStaysOpen() {
    ini = *dir / "missing/Setup.ini";
    auto form = create();
    form->show();
    form->ActLabel1->click();
    QVERIFY(form->isVisible());
    QCOMPARE(prompts->asked().size(), size_t(1));
    QCOMPARE(prompts->last().text,
             QStringLiteral("Unable to write to %1.").arg(QString::fromStdString(ini)));
    QCOMPARE(prompts->last().icon, PromptIcon::Error);
  }

  void addTypeAppendsACheckedRowOnOkOnly() {
    auto form = create();
    whenModal<TForm5>([](TForm5* add) {
      QCOMPARE(add->FrmCaption->text(), QStringLiteral("增加文件类型"));
      QCOMPARE(add->LabeledEdit2->EditLabel->text(), QStringLiteral("文件类型："));
      QVERIFY(add->PushButton3->isHidden());
      add->LabeledEdit1->setText(QStringLiteral("备份"));
      add->LabeledEdit2->setText(QStringLiteral("*.bk1"));
      add->PushButton1->click();
    });
    form->ActLabel3->click();
    whenModal<TForm5>([](TForm5* add) {
      add->LabeledEdit1->setText(QStringLiteral("x"));
      add->PushButton2->click();
    });
    form->ActLabel3->click();
    whenModal<TForm5>([](TForm5* add) { add->ToolButton1->click(); });
    form->ActLabel3->click();

    QCOMPARE(form->FileType->topLevelItemCount(), 8);
    QTreeWidgetItem* added = form->FileType->topLevelItem(7);
    QCOMPARE(added->text(0), QStringLiteral("备份"));
    QCOMPARE(added->text(1), QStringLiteral("*.bk1;"));
    QCOMPARE(added->checkState(0), Qt::Checked);
  }

  void opensOnTheAskedPageAndTheTabsSwitchPages() {
    auto form = create();
    whenModal<TForm4>([](TForm4* shown) {
      QCOMPARE(shown->TabSet->currentIndex(), 1);
      QCOMPARE(shown->SetNote->currentIndex(), 1);
      shown->TabSet->setCurrentIndex(0);
      QCOMPARE(shown->SetNote->currentIndex(), 0);
      shown->ToolButton1->click();
    });
    form->showModalOnPage(TForm4::kFileTypePage);
    QVERIFY(!form->isVisible());
  }
};

QTEST_MAIN(Form4Test)
#include "cleaning_settings_dialog_test.moc"
