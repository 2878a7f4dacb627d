#include "gui/cleaning/add_entry_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "gui/widgets/prompts.h"
#include "gui/widgets/labeled_edit.h"

namespace norvane {

namespace {

constexpr int kWidth = 424;
constexpr int kHeight = 227;
constexpr int kEditLeft = 30;
constexpr int kEditWidth = 364;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->resize(kButtonWidth, kButtonHeight);
  return b;
}

}  // namespace

TForm5::TForm5(Prompts& prompts, QWidget* parent) : TForm2(parent), prompts_(prompts) {
  setObjectName(QStringLiteral("Form5"));
  setFixedSize(kWidth, kHeight);
  FrmCaption->setText(QStringLiteral("增加文件类型"));
  ToolButton1->move(kWidth - ToolButton1->width() - 7, 8);

  LabeledEdit1 = new LabeledEdit(QStringLiteral("LabeledEdit1"), QStringLiteral("描述："), this);
  LabeledEdit1->setGeometry(kEditLeft, 72, kEditWidth, 22);
  LabeledEdit2 =
      new LabeledEdit(QStringLiteral("LabeledEdit2"), QStringLiteral("文件类型："), this);
  LabeledEdit2->setGeometry(kEditLeft, 128, kEditWidth, 22);

  // "浏览" stands over the right end of the first field; a caller that shows it narrows the
  // field by the button's width.
  PushButton3 = button("PushButton3", QStringLiteral("浏览"), this);
  PushButton3->resize(kButtonWidth, 22);
  PushButton3->move(kEditLeft + kEditWidth - PushButton3->width(), 72);
  PushButton3->hide();

  PushButton1 = button("PushButton1", QStringLiteral("确定"), this);
  PushButton1->move(kWidth - 2 * kButtonWidth - 40, 176);
  PushButton1->setDefault(true);
  PushButton2 = button("PushButton2", QStringLiteral("取消"), this);
  PushButton2->move(kWidth - kButtonWidth - kEditLeft, 176);

  connect(PushButton1, &QPushButton::clicked, this, &QDialog::accept);
  connect(PushButton2, &QPushButton::clicked, this, &QDialog::reject);
  connect(PushButton3, &QPushButton::clicked, this, [this] { PushButton3Click(PushButton3); });
}

QString TForm5::SelectDlgExecute() {
  return prompts_.chooseFolder(this, QStringLiteral("选择文件夹"));
}

void TForm5::PushButton3Click(QObject*) {
  const QString folder = SelectDlgExecute();
  if (!folder.isEmpty()) LabeledEdit1->setText(folder);
}

}  // namespace norvane
