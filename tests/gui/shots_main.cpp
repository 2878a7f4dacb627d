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

#include "gui/cleaning/add_entry_dialog.h"
#include "gui/cleaning/cleaning_settings_dialog.h"
#include "gui/cleaning/file_list_dialog.h"
#include "gui/cleaning/found_file_model.h"
#include "gui/shell/main_window.h"
#include "gui/widgets/action_label.h"
#include "gui/widgets/dialog_frame.h"
#include "gui/widgets/labeled_edit.h"
#include "gui/widgets/qt_prompts.h"
#include "gui/widgets/skin.h"
#include "support/gui/scripted_prompts.h"

using namespace norvane;

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  const QDir out(QString::fromLocal8Bit(argv[1]));
  Skin::applyApplicationLook(app);
  QtPrompts::installTranslations(app);

  auto prompts = std::make_shared<test::ScriptedPrompts>();
  MainWindow form(makeHostPlatform(), prompts);
  form.show();
  app.processEvents();
  auto save = [&](QWidget* w, const QString& name) {
    app.processEvents();
    w->grab().save(out.filePath(name + QStringLiteral(".png")));
  };

  save(&form, QStringLiteral("1-about"));
  form.folderStatsButton->click();
  save(&form, QStringLiteral("2-stats"));
  form.uninstallButton->click();
  save(&form, QStringLiteral("3-uninstall"));
  form.fileCleaningButton->click();
  form.findChild<ActionLabel*>(QStringLiteral("recycleBinLabel"))->click();
  save(&form, QStringLiteral("4-disk"));
  for (int page = 1; page < form.infoPages->count(); ++page) {
    form.infoPages->setCurrentIndex(page);
    if (page == 1) {
      auto* list = form.findChild<QTreeWidget*>(QStringLiteral("partitionList"));
      auto* row =
          new QTreeWidgetItem(list, {QStringLiteral("(/)ROOT"), QStringLiteral("总大小:58.37 GB"),
                                     QStringLiteral("可用空间:21.04 GB")});
      row->setCheckState(0, Qt::Checked);
      row->setIcon(0, form.imageList.icon(7));
    }
    save(&form, QStringLiteral("5-info-%1").arg(page));
  }
  // The hover looks.
  form.infoPages->setCurrentIndex(0);
  form.highlightFunctionButton(form.fileCleaningButton);
  form.highlightPageCommand(form.findChild<ActionLabel*>(QStringLiteral("myComputerShortcut")));
  form.highlightPageCommand(form.findChild<ActionLabel*>(QStringLiteral("emptyRecycleBinCommand")));
  save(&form, QStringLiteral("6-hover"));

  DialogFrame dialog(&form);
  dialog.captionLabel->setText(QStringLiteral("文件列表"));
  dialog.show();
  save(&dialog, QStringLiteral("7-dialog"));

  // The dialogs of the cleaning pages, shown without a modal run.
  FileListDialog fileList(nullptr, nullptr, prompts, nullptr, &form);
  fileList.model().append("/home/user/", "notes.tmp", 2048, 0x58A4B9E0, {}, {});
  fileList.model().append("/home/user/.cache/", "thumbs.db", 123456, 0x58A4B9E0, {}, {});
  fileList.model().publishPending();
  fileList.show();
  save(&fileList, QStringLiteral("9-file-list"));
  fileList.hide();
  CleaningSettingsDialog settings(
      out.filePath(QStringLiteral("no-such-folder/Setup.ini")).toStdString(), prompts, &form);
  settings.show();
  save(&settings, QStringLiteral("10-settings-options"));
  settings.settingsTabs->setCurrentIndex(1);
  save(&settings, QStringLiteral("11-settings-types"));
  settings.hide();
  {
    AddEntryDialog add(*prompts, &form);
    add.show();
    save(&add, QStringLiteral("12-add-type"));
  }
  {
    AddEntryDialog add(*prompts, &form);
    add.setUpForFolder();
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
