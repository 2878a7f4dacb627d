// Saves a picture of every page of the main window and of the dialog frame into the folder
// given as the only argument, for looking at the layout. Reads the real machine's drives and
// trash; changes nothing.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

#include "gui/widgets/action_label.h"
#include "gui/shell/dialog_frame.h"
#include "gui/shell/main_window.h"
#include "gui/widgets/qt_prompts.h"
#include "gui/widgets/skin.h"
#include "gui/cleaning/file_list_dialog.h"
#include "gui/cleaning/cleaning_settings_dialog.h"
#include "gui/cleaning/add_entry_dialog.h"
#include "gui/cleaning/found_file_model.h"
#include "gui/widgets/labeled_edit.h"
#include "support/gui/scripted_prompts.h"

using namespace norvane;

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  const QDir out(QString::fromLocal8Bit(argv[1]));
  Skin::applyApplicationLook(app);
  QtPrompts::installTranslations(app);

  auto prompts = std::make_shared<test::ScriptedPrompts>();
  TMainForm form(makeHostPlatform(), prompts);
  form.show();
  app.processEvents();
  auto save = [&](QWidget* w, const QString& name) {
    app.processEvents();
    w->grab().save(out.filePath(name + QStringLiteral(".png")));
  };

  save(&form, QStringLiteral("1-about"));
  form.RegBtn->click();
  save(&form, QStringLiteral("2-stats"));
  form.SoftBtn->click();
  save(&form, QStringLiteral("3-uninstall"));
  form.FileBtn->click();
  form.findChild<ActionLabel*>(QStringLiteral("Label12"))->click();
  save(&form, QStringLiteral("4-disk"));
  for (int page = 1; page < form.InfoNote->count(); ++page) {
    form.InfoNote->setCurrentIndex(page);
    if (page == 1) {
      auto* list = form.findChild<QTreeWidget*>(QStringLiteral("HDList"));
      auto* row =
          new QTreeWidgetItem(list, {QStringLiteral("(/)ROOT"), QStringLiteral("总大小:58.37 GB"),
                                     QStringLiteral("可用空间:21.04 GB")});
      row->setCheckState(0, Qt::Checked);
      row->setIcon(0, form.ImgBtnPng.icon(7));
    }
    save(&form, QStringLiteral("5-info-%1").arg(page));
  }
  // The hover looks.
  form.InfoNote->setCurrentIndex(0);
  form.FileBtnMouseEnter(form.FileBtn);
  form.ActLabel2MouseEnter(form.findChild<ActionLabel*>(QStringLiteral("ActLabel2")));
  form.ActLabel2MouseEnter(form.findChild<ActionLabel*>(QStringLiteral("ActLabel23")));
  save(&form, QStringLiteral("6-hover"));

  TForm2 dialog(&form);
  dialog.FrmCaption->setText(QStringLiteral("文件列表"));
  dialog.show();
  save(&dialog, QStringLiteral("7-dialog"));

  // The dialogs of the cleaning pages, shown without a modal run.
  TForm3 fileList(nullptr, nullptr, prompts, nullptr, &form);
  fileList.model().append("/home/user/", "notes.tmp", 2048, 0x58A4B9E0);
  fileList.model().append("/home/user/.cache/", "thumbs.db", 123456, 0x58A4B9E0);
  fileList.model().publishPending();
  fileList.show();
  save(&fileList, QStringLiteral("9-file-list"));
  fileList.hide();
  TForm4 settings(out.filePath(QStringLiteral("no-such-folder/Setup.ini")).toStdString(), prompts,
                  &form);
  settings.show();
  save(&settings, QStringLiteral("10-settings-options"));
  settings.TabSet->setCurrentIndex(1);
  save(&settings, QStringLiteral("11-settings-types"));
  settings.hide();
  {
    TForm5 add(*prompts, &form);
    add.show();
    save(&add, QStringLiteral("12-add-type"));
  }
  {
    // The same dialog as the common-folder page's "增加文件夹" sets it up.
    TForm5 add(*prompts, &form);
    add.FrmCaption->setText(QStringLiteral("增加文件夹"));
    add.PushButton3->show();
    add.LabeledEdit1->EditLabel->setText(QStringLiteral("文件夹："));
    add.LabeledEdit1->EditLabel->adjustSize();
    add.LabeledEdit2->EditLabel->setText(QStringLiteral("描述："));
    add.LabeledEdit2->EditLabel->adjustSize();
    add.LabeledEdit1->resize(add.LabeledEdit1->width() - add.PushButton3->width(),
                             add.LabeledEdit1->height());
    add.show();
    save(&add, QStringLiteral("13-add-folder"));
  }

  // A message box as the program shows it: grabbed, then answered.
  QtPrompts real;
  QTimer::singleShot(200, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      save(box, QStringLiteral("8-message"));
      box->close();
    }
  });
  real.messageBox(&form, QStringLiteral("回收站清理成功！"), QStringLiteral("提示"),
                  PromptIcon::Information, PromptButtons::Ok);
  return 0;
}
