#include "gui/shell/main_window.h"

#include <QDesktopServices>
#include <QLabel>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

#include "gui/shell/about_page.h"
#include "gui/widgets/action_label.h"
#include "gui/widgets/page_commands.h"
#include "gui/shell/disk_panel.h"
#include "gui/widgets/drag_strip.h"
#include "gui/shell/maker.h"
#include "core/shared/size_text.h"
#include "gui/widgets/skin.h"
#include "gui/shell/start_page.h"
#include "gui/widgets/window_button.h"
#include "gui/cleaning/restart_queue_commands.h"
#include "gui/cleaning/scan_target_lists.h"
#include "gui/stats/stats_page.h"
#include "gui/uninstall/uninstall_page.h"

namespace norvane {

namespace {

constexpr int kClientWidth = 663;
constexpr int kClientHeight = 528;
constexpr int kTrimIntervalMs = 5000;
constexpr int kLinkMargin = 8;

// The action labels of the pages that share the bold hover look and the description box.
QStringList pageActionLabels() {
  QStringList names;
  for (int i = 2; i <= 5; ++i) names << QStringLiteral("ActLabel%1").arg(i);
  for (int i = 35; i <= 38; ++i) names << QStringLiteral("ActLabel%1").arg(i);
  names << QStringLiteral("ActLabel23");
  for (int i = 7; i <= 22; ++i) names << QStringLiteral("ActLabel%1").arg(i);
  names << QStringLiteral("ActLabel24");
  for (int i = 28; i <= 34; ++i) names << QStringLiteral("ActLabel%1").arg(i);
  return names;
}

void setColour(QWidget* w, const QColor& colour) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, colour);
  w->setPalette(pal);
}

}  // namespace

TMainForm::TMainForm(Platform platform, std::shared_ptr<Prompts> prompts, MainFormHooks hooks,
                     QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      platform_(std::move(platform)),
      prompts_(std::move(prompts)),
      hooks_(std::move(hooks)),
      errorReport_(prompts_, this) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(kMainWindowCaption);
  setFixedSize(kClientWidth, kClientHeight);
  buildFrame();
  buildPages();
  wireHandlers();
  scanTargets = new ScanTargets(*this);
  restartQueue = new RestartQueue(*this);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kTrimIntervalMs);
  connect(Timer1, &QTimer::timeout, this, [this] { runCommand([this] { Timer1Timer(Timer1); }); });

  if (QScreen* screen = this->screen()) {
    QRect frame = geometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  runCommand([this] { FormCreate(); });
}

ActionLabel* TMainForm::functionButton(const char* name, const QString& caption, int tag, int icon,
                                       int x) {
  auto* button = new ActionLabel(caption, this);
  button->setObjectName(QString::fromLatin1(name));
  button->setTag(tag);
  button->setImage(&ImgBtnPng, icon);
  button->setFont(Skin::uiFont(12, true));
  setColour(button, Skin::textGreen());
  button->move(x, 68);
  return button;
}

ActionLabel* TMainForm::bottomLink(const char* name, const QString& caption, int icon, int x) {
  ActionLabel* link = functionButton(name, caption, 0, icon, x);
  link->move(x, 503);
  return link;
}

void TMainForm::buildFrame() {
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, kClientWidth, kClientHeight);
  Image1->setScaledContents(true);
  Image1->setPixmap(Skin::mainBackground(size()));

  Label1 = new DragStrip(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(8, 1, 662, 32);

  Image2 = new QLabel(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(5, 1, 32, 32);
  Image2->setAlignment(Qt::AlignCenter);
  Image2->setPixmap(Skin::programIcon(28));

  FrmCaption = new QLabel(kCaptionLine, this);
  FrmCaption->setObjectName(QStringLiteral("FrmCaption"));
  FrmCaption->setFont(Skin::uiFont(12, true));
  setColour(FrmCaption, Skin::captionText());
  FrmCaption->move(38, 13);
  FrmCaption->adjustSize();

  ToolButton2 = createWindowButton(this, QStringLiteral("ToolButton2"), WindowButtonKind::Minimise);
  ToolButton2->move(624, 10);
  ToolButton1 = createWindowButton(this, QStringLiteral("ToolButton1"), WindowButtonKind::Close);
  ToolButton1->move(640, 10);

  FileBtn = functionButton("FileBtn", QStringLiteral("文件清理"), 0, 0, 341);
  RegBtn = functionButton("RegBtn", QStringLiteral("文件夹统计"), 1, 19, 421);
  SoftBtn = functionButton("SoftBtn", QStringLiteral("软件卸载"), 2, 2, 514);
  ActLabel6 = functionButton("ActLabel6", QStringLiteral("关于"), 3, 15, 594);

  HintLbl = new ActionLabel(QStringLiteral("欢迎使用"), this);
  HintLbl->setObjectName(QStringLiteral("HintLbl"));
  HintLbl->setImage(&ImgBtnPng, 3);
  HintLbl->setFont(Skin::uiFont(12, true));
  setColour(HintLbl, QColor(40, 80, 40));
  HintLbl->move(569, 103);

  Label3 =
      new QLabel(QStringLiteral("Copyright © 2005-2024 Norvane软件工作室  保留所有权利"), this);
  Label3->setObjectName(QStringLiteral("Label3"));
  setColour(Label3, QColor(140, 140, 140));
  Label3->move(20, 505);
  Label3->adjustSize();

  ActLabel39 = bottomLink("ActLabel39", QStringLiteral("在线更新"), 26, 441);
  ActLabel39->setLinkTarget(kMakerWebSite);
  ActLabel40 = bottomLink("ActLabel40", QStringLiteral("访问『Norvane软件』"), 25, 521);
  ActLabel40->setLinkTarget(kMakerWebSite);
  // The fallback fonts set Latin text wider than 宋体; keep the link inside the frame.
  const int overhang = ActLabel40->geometry().right() - (kClientWidth - kLinkMargin);
  if (overhang > 0) {
    ActLabel40->move(ActLabel40->x() - overhang, ActLabel40->y());
    ActLabel39->move(ActLabel39->x() - overhang, ActLabel39->y());
  }
}

void TMainForm::buildPages() {
  PageNote = new QStackedWidget(this);
  PageNote->setObjectName(QStringLiteral("PageNote"));
  PageNote->setGeometry(20, 125, 622, 367);
  PageNote->setAutoFillBackground(true);
  QPalette white = PageNote->palette();
  white.setColor(QPalette::Window, Qt::white);
  PageNote->setPalette(white);

  startPage = new StartPage(platform_, prompts_, ImgBtnPng, PageNote);
  statsPage = new StatsPage(ImgBtnPng, PageNote);
  uninstallPage = new UninstallPage(ImgBtnPng, PageNote);
  aboutPage = new AboutPage(ImgBtnPng, PageNote);
  PageNote->addWidget(startPage);
  PageNote->addWidget(statsPage);
  PageNote->addWidget(uninstallPage);
  PageNote->addWidget(aboutPage);
  // The design value: "关于". Set before the change handler is bound, so nothing runs.
  PageNote->setCurrentIndex(kAboutPage);

  InfoNote = startPage->InfoNote;
  Label2 = startPage->Label2;
  Label7 = startPage->Label7;
  diskPanel = startPage->diskPanel;
}

ActionLabel* TMainForm::label(const QString& name) const { return findChild<ActionLabel*>(name); }

void TMainForm::bindClick(ActionLabel* target, std::function<void(QObject*)> handler) {
  connect(target, &ActionLabel::clicked, this,
          [this, target, handler = std::move(handler)] { runCommand([&] { handler(target); }); });
}

void TMainForm::bindHover(const QString& name, void (TMainForm::*enter)(QObject*),
                          void (TMainForm::*leave)(QObject*)) {
  ActionLabel* target = label(name);
  Q_ASSERT(target != nullptr);
  if (target == nullptr) return;
  connect(target, &ActionLabel::mouseEntered, this,
          [this, target, enter] { runCommand([&] { (this->*enter)(target); }); });
  connect(target, &ActionLabel::mouseLeft, this,
          [this, target, leave] { runCommand([&] { (this->*leave)(target); }); });
}

void TMainForm::wireHandlers() {
  connect(Label1, &DragStrip::mouseDown, this,
          [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos) {
            runCommand([&] { Label1MouseDown(Label1, button, shift, pos); });
          });
  connect(ToolButton1, &QToolButton::clicked, this,
          [this] { runCommand([this] { ToolButton1Click(ToolButton1); }); });
  connect(ToolButton2, &QToolButton::clicked, this,
          [this] { runCommand([this] { ToolButton2Click(ToolButton2); }); });

  for (ActionLabel* button : {FileBtn, RegBtn, SoftBtn, ActLabel6})
    bindClick(button, [this](QObject* s) { FileBtnClick(s); });
  for (const char* name : {"FileBtn", "RegBtn", "SoftBtn", "ActLabel6", "ActLabel39", "ActLabel40"})
    bindHover(QString::fromLatin1(name), &TMainForm::FileBtnMouseEnter,
              &TMainForm::FileBtnMouseLeave);

  for (const QString& name : pageActionLabels())
    bindHover(name, &TMainForm::ActLabel2MouseEnter, &TMainForm::ActLabel2MouseLeave);
  for (const char* name :
       {"ActLabel42", "ActLabel43", "ActLabel45", "ActLabel46", "ActLabel47", "ActLabel48"})
    bindHover(QString::fromLatin1(name), &TMainForm::ActLabel42MouseEnter,
              &TMainForm::ActLabel42MouseLeave);

  for (int i = 2; i <= 5; ++i)
    bindClick(label(QStringLiteral("ActLabel%1").arg(i)),
              [this](QObject* s) { ActLabel2Click(s); });
  for (const char* name : {"ActLabel7", "ActLabel13", "ActLabel18", "ActLabel24", "ActLabel30"})
    bindClick(label(QString::fromLatin1(name)), [this](QObject* s) { ActLabel7Click(s); });
  for (const char* name : {"ActLabel9", "ActLabel11", "ActLabel16"})
    bindClick(label(QString::fromLatin1(name)), [this](QObject* s) { ActLabel9Click(s); });
  for (const char* name : {"ActLabel8", "ActLabel12", "ActLabel17"})
    bindClick(label(QString::fromLatin1(name)), [this](QObject* s) { ActLabel8Click(s); });

  bindClick(ActLabel39, [this](QObject* s) { ActLabel39Click(s); });
  bindClick(label(QStringLiteral("Label12")), [this](QObject* s) { Label12Click(s); });
  bindClick(label(QStringLiteral("ActLabel23")), [this](QObject* s) { ActLabel23Click(s); });

  // Every label with a link target opens it through the same door.
  for (ActionLabel* link : findChildren<ActionLabel*>())
    if (!link->linkTarget().isEmpty())
      link->setLinkOpener([this](const QString& target) { openLink(target); });

  connect(PageNote, &QStackedWidget::currentChanged, this,
          [this] { runCommand([this] { PageNotePageChanged(PageNote); }); });
  connect(InfoNote, &QStackedWidget::currentChanged, this,
          [this] { runCommand([this] { InfoNotePageChanged(InfoNote); }); });
}

void TMainForm::openLink(const QString& target) {
  if (hooks_.openLink)
    hooks_.openLink(target);
  else
    QDesktopServices::openUrl(QUrl(target));
}

QString TMainForm::ConFileSize(std::int64_t bytes) {
  return QString::fromStdString(norvane::ConFileSize(bytes));
}

QString TMainForm::OpenDlgExecute() {
  const QStringList files =
      prompts_->openFiles(this, QStringLiteral("选择文件"), QStringLiteral("所有文件|*.*"), false);
  return files.isEmpty() ? QString() : files.front();
}

void TMainForm::FormCreate() {
  // PageNote already shows "关于" (its design value).
  Skin::installApplicationCursor();
  ShowDiskSpace();
  if (platform_.system->isNtFamily()) Timer1->start();
}

void TMainForm::FileBtnClick(QObject* sender) {
  auto* button = qobject_cast<ActionLabel*>(sender);
  if (button == nullptr) return;
  HintLbl->setText(button->text());
  HintLbl->setImageIndex(button->imageIndex());
  PageNote->setCurrentIndex(button->tag());
}

void TMainForm::FileBtnMouseEnter(QObject* sender) { setLabelLook(sender, true, true); }

void TMainForm::FileBtnMouseLeave(QObject* sender) { setLabelLook(sender, true, false); }

void TMainForm::PageNotePageChanged(QObject*) {
  if (PageNote->currentIndex() == kStatsPage && hooks_.fillPartitionList)
    hooks_.fillPartitionList(statsPage->HDlist1);
  const bool busy = hooks_.findFileBusy && hooks_.findFileBusy();
  InfoNote->setCurrentIndex(busy ? StartPage::kScanResult : StartPage::kDiskInfo);
}

void TMainForm::InfoNotePageChanged(QObject*) {
  const int page = InfoNote->currentIndex();
  switch (page) {
    case StartPage::kDiskInfo:
      ShowDiskSpace();
      break;
    case StartPage::kMyComputer:
    case StartPage::kTempFolders:
    case StartPage::kCommonFolders:
      if (hooks_.refreshInfoPage) hooks_.refreshInfoPage(page);
      break;
    default:
      break;
  }
  Label2->setText(startPage->infoPageCaption(page));
}

void TMainForm::ActLabel2Click(QObject* sender) {
  if (auto* shortcut = qobject_cast<ActionLabel*>(sender))
    InfoNote->setCurrentIndex(shortcut->tag());
}

void TMainForm::ActLabel7Click(QObject*) { InfoNote->setCurrentIndex(StartPage::kDiskInfo); }

void TMainForm::ActLabel9Click(QObject*) {
  if (hooks_.showSettings) hooks_.showSettings(0);
}

void TMainForm::ActLabel8Click(QObject*) {
  if (hooks_.showSettings) hooks_.showSettings(1);
}

void TMainForm::ActLabel2MouseEnter(QObject* sender) {
  setLabelLook(sender, true, false);
  auto* hovered = qobject_cast<ActionLabel*>(sender);
  const QString hint = hovered != nullptr ? hovered->hint() : QString();
  Label7->setText(hint.isEmpty() ? kApplicationTitle : hint);
}

void TMainForm::ActLabel2MouseLeave(QObject* sender) { setLabelLook(sender, false, false); }

void TMainForm::ActLabel42MouseEnter(QObject* sender) {
  auto* widget = qobject_cast<QWidget*>(sender);
  if (widget == nullptr) return;
  setLabelLook(sender, widget->font().bold(), true);
}

void TMainForm::ActLabel42MouseLeave(QObject* sender) {
  auto* widget = qobject_cast<QWidget*>(sender);
  if (widget == nullptr) return;
  setLabelLook(sender, widget->font().bold(), false);
}

void TMainForm::Label1MouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
  if (hooks_.moveWindow)
    hooks_.moveWindow(this);
  else
    DragStrip::startSystemMove(this);
}

void TMainForm::ToolButton1Click(QObject*) { close(); }

void TMainForm::ToolButton2Click(QObject*) { showMinimized(); }

void TMainForm::Timer1Timer(QObject*) { platform_.system->trimWorkingSet(); }

void TMainForm::ActLabel39Click(QObject*) {
  if (hooks_.showUpdateWindow) hooks_.showUpdateWindow();
}

void TMainForm::Label12Click(QObject*) { ShowRecyclebin(); }

void TMainForm::ActLabel23Click(QObject*) { diskPanel->ActLabel23Click(); }

void TMainForm::ShowDiskSpace() { diskPanel->ShowDiskSpace(); }

void TMainForm::ShowRecyclebin() { diskPanel->ShowRecyclebin(); }

}  // namespace norvane
