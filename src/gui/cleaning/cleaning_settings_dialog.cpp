#include "gui/cleaning/cleaning_settings_dialog.h"

#include <QCheckBox>
#include <QFile>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QTreeWidget>

#include "gui/cleaning/add_entry_dialog.h"
#include "gui/widgets/action_label.h"
#include "gui/widgets/labeled_edit.h"
#include "gui/widgets/list_views.h"
#include "gui/widgets/page_commands.h"

namespace norvane {

namespace {

constexpr int kWidth = 568;
constexpr int kHeight = 435;
const QRect kNoteRect(16, 74, 536, 308);
constexpr int kCommandY = 400;

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Object names of the option boxes, in the order of cleaningOptions().
const char* const kOptionBoxNames[kOptionCount] = {
    "skipTempFolderOption",   "skipBrowserFoldersOption", "scanHiddenOption",
    "scanReadOnlyOption",     "scanSystemOption",         "scanEmptyOption",
    "moveToRecycleBinOption", "deleteAtRestartOption",
};

}  // namespace

CleaningSettingsDialog::CleaningSettingsDialog(std::string settingsFile,
                                               std::shared_ptr<Prompts> prompts, QWidget* parent)
    : DialogFrame(parent),
      settingsFile_(std::move(settingsFile)),
      prompts_(std::move(prompts)),
      errorReport_(prompts_, this) {
  setObjectName(QStringLiteral("CleaningSettingsDialog"));
  setFixedSize(kWidth, kHeight);
  captionLabel->setText(QStringLiteral("清理设置"));
  closeButton->move(kWidth - closeButton->width() - 7, 8);

  settingsTabs = new QTabBar(this);
  settingsTabs->setObjectName(QStringLiteral("settingsTabs"));
  settingsTabs->addTab(QStringLiteral("选项"));
  settingsTabs->addTab(QStringLiteral("文件类型"));
  settingsTabs->setDrawBase(false);
  settingsTabs->move(kNoteRect.left(), kNoteRect.top() - settingsTabs->sizeHint().height());
  settingsTabs->resize(settingsTabs->sizeHint());

  settingsPages = new QStackedWidget(this);
  settingsPages->setObjectName(QStringLiteral("settingsPages"));
  settingsPages->setGeometry(kNoteRect);
  settingsPages->setAutoFillBackground(true);
  QPalette white = settingsPages->palette();
  white.setColor(QPalette::Window, Qt::white);
  settingsPages->setPalette(white);
  buildOptionsPage();
  buildFileTypePage();

  saveCommand = commandLabel("saveCommand", QStringLiteral("保存设置"), 31, this,
                             QPoint(kWidth - 190, kCommandY));
  defaultsCommand = commandLabel("defaultsCommand", QStringLiteral("默认设置"), 4, this,
                                 QPoint(kWidth - 100, kCommandY));

  connect(settingsTabs, &QTabBar::currentChanged, this,
          [this] { errorReport_.guard([this] { showSelectedTab(settingsTabs); }); });
  auto bind = [this](ActionLabel* label, void (CleaningSettingsDialog::*handler)(QObject*)) {
    connect(label, &ActionLabel::clicked, this,
            [this, label, handler] { errorReport_.guard([&] { (this->*handler)(label); }); });
    connect(label, &ActionLabel::mouseEntered, this, [this, label] { highlightCommand(label); });
    connect(label, &ActionLabel::mouseLeft, this, [this, label] { unhighlightCommand(label); });
  };
  bind(saveCommand, &CleaningSettingsDialog::saveAndClose);
  bind(defaultsCommand, &CleaningSettingsDialog::restoreDefaults);
  bind(addTypeCommand, &CleaningSettingsDialog::addFileType);

  errorReport_.guard([this] { loadAtStart(); });
}

ActionLabel* CleaningSettingsDialog::commandLabel(const char* name, const QString& caption,
                                                  int icon, QWidget* parent, QPoint at) {
  return createCommandLabel(parent, images_, QString::fromLatin1(name), caption, icon, at);
}

void CleaningSettingsDialog::buildOptionsPage() {
  auto* page = new QWidget(settingsPages);
  page->setObjectName(QStringLiteral("optionsPage"));
  const CleaningSettings defaults = defaultCleaningSettings();
  int y = 20;
  for (int i = 0; i < kOptionCount; ++i) {
    const CleaningOption& option = cleaningOptions()[i];
    auto* box = new QCheckBox(QString::fromUtf8(option.caption), page);
    box->setObjectName(QString::fromLatin1(kOptionBoxNames[i]));
    box->setChecked(defaults.options.*option.flag);
    box->move(28, y);
    box->adjustSize();
    optionBoxes[i] = box;
    // Moving to the recycle bin is kept and saved but never offered.
    if (option.flag == &CleaningOptions::moveToRecycleBin) {
      box->hide();
      continue;
    }
    y += 34;
  }
  settingsPages->addWidget(page);
}

void CleaningSettingsDialog::buildFileTypePage() {
  auto* page = new QWidget(settingsPages);
  page->setObjectName(QStringLiteral("fileTypePage"));
  fileTypeList =
      createListView(page, QStringLiteral("fileTypeList"),
                     {{QStringLiteral("描述"), 150}, {QStringLiteral("文件"), 360}}, true);
  fileTypeList->setGeometry(8, 8, kNoteRect.width() - 16, kNoteRect.height() - 40);
  for (const auto& type : builtInFileTypes()) appendFileType(type);
  addTypeCommand = commandLabel("addTypeCommand", QStringLiteral("增加新类型"), 13, page,
                                QPoint(10, kNoteRect.height() - 26));
  settingsPages->addWidget(page);
}

void CleaningSettingsDialog::appendFileType(const FileType& type) {
  auto* row = new QTreeWidgetItem(fileTypeList, {qs(type.description), qs(type.masks)});
  row->setCheckState(0, type.checked ? Qt::Checked : Qt::Unchecked);
}

CleaningSettings CleaningSettingsDialog::currentSettings() const {
  CleaningSettings settings;
  for (int i = 0; i < kOptionCount; ++i)
    settings.options.*cleaningOptions()[i].flag = optionBoxes[i]->isChecked();
  const int rows = fileTypeList->topLevelItemCount();
  settings.types.reserve(rows);
  for (int i = 0; i < rows; ++i) {
    const QTreeWidgetItem* row = fileTypeList->topLevelItem(i);
    settings.types.push_back({row->text(0).toStdString(), row->text(1).toStdString(),
                              row->checkState(0) == Qt::Checked});
  }
  return settings;
}

void CleaningSettingsDialog::showSettings(const CleaningSettings& settings) {
  for (int i = 0; i < kOptionCount; ++i)
    optionBoxes[i]->setChecked(settings.options.*cleaningOptions()[i].flag);
  if (settings.types == currentSettings().types) return;
  fileTypeList->clear();
  for (const auto& type : settings.types) appendFileType(type);
}

void CleaningSettingsDialog::loadAtStart() {
  fileTypeList->setUpdatesEnabled(false);
  try {
    loadSettings();
  } catch (...) {
    fileTypeList->setUpdatesEnabled(true);
    throw;
  }
  fileTypeList->setUpdatesEnabled(true);
}

void CleaningSettingsDialog::loadSettings() {
  CleaningSettings settings = currentSettings();
  loadCleaningSettings(settingsFile_, settings);
  showSettings(settings);
}

void CleaningSettingsDialog::saveSettings() {
  saveCleaningSettings(settingsFile_, currentSettings());
}

void CleaningSettingsDialog::showModalOnPage(int page) {
  settingsPages->setCurrentIndex(page);
  settingsTabs->setCurrentIndex(page);
  exec();
  close();
}

void CleaningSettingsDialog::showSelectedTab(QObject*) {
  settingsPages->setCurrentIndex(settingsTabs->currentIndex());
}

void CleaningSettingsDialog::saveAndClose(QObject*) {
  // A failed write throws before the close: the dialog stays open under the error report.
  saveSettings();
  close();
}

void CleaningSettingsDialog::restoreDefaults(QObject*) {
  // Only the file goes; what is on display stays in force until the next start.
  QFile::remove(qs(settingsFile_));
  loadSettings();
  close();
}

void CleaningSettingsDialog::addFileType(QObject*) {
  AddEntryDialog dialog(*prompts_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  appendFileType(
      newFileType(dialog.upperEdit->text().toStdString(), dialog.lowerEdit->text().toStdString()));
}

void CleaningSettingsDialog::highlightCommand(QObject* sender) { setLabelLook(sender, true); }

void CleaningSettingsDialog::unhighlightCommand(QObject* sender) { setLabelLook(sender, false); }

}  // namespace norvane
