#include "gui/cleaning/add_entry_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "gui/widgets/labeled_edit.h"
#include "gui/widgets/prompts.h"

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

AddEntryDialog::AddEntryDialog(Prompts& prompts, QWidget* parent)
    : DialogFrame(parent), prompts_(prompts) {
  setObjectName(QStringLiteral("AddEntryDialog"));
  setFixedSize(kWidth, kHeight);
  captionLabel->setText(QStringLiteral("增加文件类型"));
  closeButton->move(kWidth - closeButton->width() - 7, 8);

  upperEdit = new LabeledEdit(QStringLiteral("upperEdit"), QStringLiteral("描述："), this);
  upperEdit->setGeometry(kEditLeft, 72, kEditWidth, 22);
  lowerEdit = new LabeledEdit(QStringLiteral("lowerEdit"), QStringLiteral("文件类型："), this);
  lowerEdit->setGeometry(kEditLeft, 128, kEditWidth, 22);

  // "浏览" stands over the right end of the first field; a caller that shows it narrows the
  // field by the button's width.
  browseButton = button("browseButton", QStringLiteral("浏览"), this);
  browseButton->resize(kButtonWidth, 22);
  browseButton->move(kEditLeft + kEditWidth - browseButton->width(), 72);
  browseButton->hide();

  okButton = button("okButton", QStringLiteral("确定"), this);
  okButton->move(kWidth - 2 * kButtonWidth - 40, 176);
  okButton->setDefault(true);
  cancelButton = button("cancelButton", QStringLiteral("取消"), this);
  cancelButton->move(kWidth - kButtonWidth - kEditLeft, 176);

  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(browseButton, &QPushButton::clicked, this, [this] { browseForFolder(browseButton); });
}

void AddEntryDialog::setUpForFolder() {
  captionLabel->setText(QStringLiteral("增加文件夹"));
  browseButton->show();
  upperEdit->fieldCaption->setText(QStringLiteral("文件夹："));
  upperEdit->fieldCaption->adjustSize();
  lowerEdit->fieldCaption->setText(QStringLiteral("描述："));
  lowerEdit->fieldCaption->adjustSize();
  // The browse button stands at the right end of the narrowed first field.
  upperEdit->resize(upperEdit->width() - browseButton->width(), upperEdit->height());
}

QString AddEntryDialog::chooseFolder() {
  return prompts_.chooseFolder(this, QStringLiteral("选择文件夹"));
}

void AddEntryDialog::browseForFolder(QObject*) {
  const QString folder = chooseFolder();
  if (!folder.isEmpty()) upperEdit->setText(folder);
}

}  // namespace norvane
