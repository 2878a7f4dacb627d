#pragma once
// The small add dialog: a description and a file type ("增加文件类型"), or, retitled and with
// its browse button shown, a folder and its description ("增加文件夹"). Created for one use and
// shown modally; OK hands back the two texts as typed.
#include "gui/shell/dialog_frame.h"

class QPushButton;

namespace norvane {

class LabeledEdit;
class Prompts;

class TForm5 : public TForm2 {
  Q_OBJECT

 public:
  // `prompts` must outlive the dialog.
  explicit TForm5(Prompts& prompts, QWidget* parent = nullptr);

  // "浏览": the folder chooser; a chosen folder goes into the first field.
  void PushButton3Click(QObject* sender);
  // SelectDlg, titled "选择文件夹"; "" when the user cancels.
  QString SelectDlgExecute();

  LabeledEdit* LabeledEdit1 = nullptr;  // "描述："
  LabeledEdit* LabeledEdit2 = nullptr;  // "文件类型："
  QPushButton* PushButton1 = nullptr;   // "确定": OK
  QPushButton* PushButton2 = nullptr;   // "取消": Cancel
  QPushButton* PushButton3 = nullptr;   // "浏览", hidden until a caller shows it

 private:
  Prompts& prompts_;
};

}  // namespace norvane
