#pragma once
// The small add dialog: a description and a file type ("增加文件类型"), or, retitled and with
// its browse button shown, a folder and its description ("增加文件夹"). Created for one use and
// shown modally; OK hands back the two texts as typed.
#include "gui/widgets/dialog_frame.h"

class QPushButton;

namespace norvane {

class LabeledEdit;
class Prompts;

class AddEntryDialog : public DialogFrame {
  Q_OBJECT

 public:
  // `prompts` must outlive the dialog.
  explicit AddEntryDialog(Prompts& prompts, QWidget* parent = nullptr);

  // Turns the dialog into "增加文件夹": folder above with the browse button, description below.
  void setUpForFolder();

  // "浏览": the folder chooser; a chosen folder goes into the first field.
  void browseForFolder(QObject* sender);
  // The folder chooser, titled "选择文件夹"; "" when the user cancels.
  QString chooseFolder();

  LabeledEdit* upperEdit = nullptr;     // "描述：", or "文件夹：" for a folder
  LabeledEdit* lowerEdit = nullptr;     // "文件类型：", or "描述：" for a folder
  QPushButton* okButton = nullptr;      // "确定": OK
  QPushButton* cancelButton = nullptr;  // "取消": Cancel
  QPushButton* browseButton = nullptr;  // "浏览", hidden until a caller shows it

 private:
  Prompts& prompts_;
};

}  // namespace norvane
