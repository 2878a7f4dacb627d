#include "gui/cleaning/cleaning_settings_dialog.h"

#include <QCheckBox>
#include <QFile>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QTreeWidget>

#include "gui/widgets/action_label.h"
#include "gui/widgets/page_commands.h"
#include "gui/widgets/list_views.h"
#include "gui/cleaning/add_entry_dialog.h"
#include "gui/widgets/labeled_edit.h"

namespace norvane {

namespace {

constexpr int kWidth = 568;
constexpr int kHeight = 435;
const QRect kNoteRect(16, 74, 536, 308);
constexpr int kCommandY = 400;

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TForm4::TForm4(std::string settingsFile, std::shared_ptr<Prompts> prompts, QWidget* parent)
    : TForm2(parent),
      settingsFile_(std::move(settingsFile)),
      prompts_(std::move(prompts)),
      errorReport_(prompts_, this) {
  setObjectName(QStringLiteral("Form4"));
  setFixedSize(kWidth, kHeight);
  FrmCaption->setText(QStringLiteral("清理设置"));
  ToolButton1->move(kWidth - ToolButton1->width() - 7, 8);

  TabSet = new QTabBar(this);
  TabSet->setObjectName(QStringLiteral("TabSet"));
  TabSet->addTab(QStringLiteral("选项"));
  TabSet->addTab(QStringLiteral("文件类型"));
  TabSet->setDrawBase(false);
  TabSet->move(kNoteRect.left(), kNoteRect.top() - TabSet->sizeHint().height());
  TabSet->resize(TabSet->sizeHint());

  SetNote = new QStackedWidget(this);
  SetNote->setObjectName(QStringLiteral("SetNote"));
  SetNote->setGeometry(kNoteRect);
  SetNote->setAutoFillBackground(true);
  QPalette white = SetNote->palette();
  white.setColor(QPalette::Window, Qt::white);
  SetNote->setPalette(white);
  buildOptionsPage();
  buildFileTypePage();

  ActLabel1 = commandLabel("ActLabel1", QStringLiteral("保存设置"), 31, this,
                           QPoint(kWidth - 190, kCommandY));
  ActLabel2 = commandLabel("ActLabel2", QStringLiteral("默认设置"), 4, this,
                           QPoint(kWidth - 100, kCommandY));

  connect(TabSet, &QTabBar::currentChanged, this,
          [this] { errorReport_.guard([this] { TabSetClick(TabSet); }); });
  auto bind = [this](ActionLabel* label, void (TForm4::*handler)(QObject*)) {
    connect(label, &ActionLabel::clicked, this,
            [this, label, handler] { errorReport_.guard([&] { (this->*handler)(label); }); });
    connect(label, &ActionLabel::mouseEntered, this, [this, label] { ActLabel2MouseEnter(label); });
    connect(label, &ActionLabel::mouseLeft, this, [this, label] { ActLabel2MouseLeave(label); });
  };
  bind(ActLabel1, &TForm4::ActLabel1Click);
  bind(ActLabel2, &TForm4::ActLabel2Click);
  bind(ActLabel3, &TForm4::ActLabel3Click);

  errorReport_.guard([this] { FormCreate(); });
}

ActionLabel* TForm4::commandLabel(const char* name, const QString& caption, int icon,
                                  QWidget* parent, QPoint at) {
  return createCommandLabel(parent, images_, QString::fromLatin1(name), caption, icon, at);
}

void TForm4::buildOptionsPage() {
  auto* page = new QWidget(SetNote);
  page->setObjectName(QStringLiteral("setup"));
  const CleaningSettings defaults = defaultCleaningSettings();
  int y = 20;
  for (int i = 0; i < kOptionCount; ++i) {
    const CleaningOption& option = cleaningOptions()[i];
    auto* box = new QCheckBox(QString::fromUtf8(option.caption), page);
    box->setObjectName(QString::fromLatin1(option.name));
    box->setChecked(defaults.options[i]);
    box->move(28, y);
    box->adjustSize();
    Optichk[i] = box;
    // Optichk7 (move to the recycle bin) is kept and saved but never offered.
    if (i == 6) {
      box->hide();
      continue;
    }
    y += 34;
  }
  SetNote->addWidget(page);
}

void TForm4::buildFileTypePage() {
  auto* page = new QWidget(SetNote);
  page->setObjectName(QStringLiteral("filetype"));
  FileType = createListView(page, QStringLiteral("FileType"),
                            {{QStringLiteral("描述"), 150}, {QStringLiteral("文件"), 360}}, true);
  FileType->setGeometry(8, 8, kNoteRect.width() - 16, kNoteRect.height() - 40);
  for (const auto& type : builtInFileTypes()) appendFileType(type);
  ActLabel3 = commandLabel("ActLabel3", QStringLiteral("增加新类型"), 13, page,
                           QPoint(10, kNoteRect.height() - 26));
  SetNote->addWidget(page);
}

void TForm4::appendFileType(const norvane::FileType& type) {
  auto* row = new QTreeWidgetItem(FileType, {qs(type.description), qs(type.masks)});
  row->setCheckState(0, type.checked ? Qt::Checked : Qt::Unchecked);
}

CleaningSettings TForm4::currentSettings() const {
  CleaningSettings settings;
  for (int i = 0; i < kOptionCount; ++i) settings.options[i] = Optichk[i]->isChecked();
  const int rows = FileType->topLevelItemCount();
  settings.types.reserve(rows);
  for (int i = 0; i < rows; ++i) {
    const QTreeWidgetItem* row = FileType->topLevelItem(i);
    settings.types.push_back({row->text(0).toStdString(), row->text(1).toStdString(),
                              row->checkState(0) == Qt::Checked});
  }
  return settings;
}

void TForm4::showSettings(const CleaningSettings& settings) {
  for (int i = 0; i < kOptionCount; ++i) Optichk[i]->setChecked(settings.options[i]);
  if (settings.types == currentSettings().types) return;
  FileType->clear();
  for (const auto& type : settings.types) appendFileType(type);
}

void TForm4::FormCreate() {
  FileType->setUpdatesEnabled(false);
  try {
    LoadSettings();
  } catch (...) {
    FileType->setUpdatesEnabled(true);
    throw;
  }
  FileType->setUpdatesEnabled(true);
}

void TForm4::LoadSettings() {
  CleaningSettings settings = currentSettings();
  loadCleaningSettings(settingsFile_, settings);
  showSettings(settings);
}

void TForm4::SaveSettings() { saveCleaningSettings(settingsFile_, currentSettings()); }

void TForm4::showModalOnPage(int page) {
  SetNote->setCurrentIndex(page);
  TabSet->setCurrentIndex(page);
  exec();
  close();
}

void TForm4::TabSetClick(QObject*) { SetNote->setCurrentIndex(TabSet->currentIndex()); }

void TForm4::ActLabel1Click(QObject*) {
  // A failed write throws before the close: the dialog stays open under the error report.
  SaveSettings();
  close();
}

void TForm4::ActLabel2Click(QObject*) {
  // Only the file goes; what is on display stays in force until the next start.
  QFile::remove(qs(settingsFile_));
  LoadSettings();
  close();
}

void TForm4::ActLabel3Click(QObject*) {
  TForm5 dialog(*prompts_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  appendFileType(newFileType(dialog.LabeledEdit1->text().toStdString(),
                             dialog.LabeledEdit2->text().toStdString()));
}

void TForm4::ActLabel2MouseEnter(QObject* sender) { setLabelLook(sender, true); }

void TForm4::ActLabel2MouseLeave(QObject* sender) { setLabelLook(sender, false); }

}  // namespace norvane
