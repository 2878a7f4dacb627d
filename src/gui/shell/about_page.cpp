#include "gui/shell/about_page.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include "gui/widgets/maker.h"
#include "gui/widgets/action_label.h"
#include "gui/widgets/image_list.h"
#include "gui/widgets/skin.h"

namespace norvane {

namespace {

const QString kWhyText = QStringLiteral(
    "    系统或应用程序在运行时会产生一些临时文件，这些临时文件只在系统或应用程序当前运行状态下起作"
    "用，在系统或应用程序关闭时应该自动被删除。但由于其他原因，这些临时文件未能及时删除，而是残留"
    "了下来。如果不能及时进行清理，这些文件会不断增加，消耗存储器空间。同时，由于文件存储方式的原"
    "因，未能清理的临时文件会严重阻碍正常文件的连续存储，增加磁盘碎片的产生，从而降低硬盘的访问（读"
    "写）性能，增加系统的不稳定性。");

const QString kIntroText = QStringLiteral(
    "    Norvane磁盘清理可以帮助您有效的清理系统中的无用（垃圾）文件，"
    "为您节省硬盘的存储空间，同时，在一定程度上缓解磁盘碎片的产生，"
    "提高硬盘的访问（读写）性能，增强系统的稳定性。");

struct Product {
  const char* name;
  const char* caption;
  const char* hint;
  const char* page;
};

const Product kProducts[4] = {
    {"shredderLink", "Norvane文件粉碎机", "彻底删除文件，无法用恢复工具找回",
     "/download/shredder.html"},
    {"registryCleanerLink", "Norvane注册表清理", "查找并清除注册表中的无效信息",
     "/download/regclean.html"},
    {"startupManagerLink", "Norvane启动管理器", "管理开机自动运行的程序，加快启动速度",
     "/download/startup.html"},
    {"privacyLink", "Norvane隐私保护", "清除上网痕迹和最近使用的文档记录",
     "/download/privacy.html"},
};

// The decorative picture: a clean disk with a green tick.
QPixmap drawAboutPicture(const ImageList& images) {
  QPixmap pm(72, 72);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.drawPixmap(0, 2, Skin::programIcon(64));
  p.drawPixmap(42, 42, images.pixmap(31, 28));
  return pm;
}

QLabel* paragraph(QWidget* parent, const QString& name, const QString& text, QRect geometry) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(geometry);
  return label;
}

QLabel* heading(QWidget* parent, const QString& name, const QString& text, QPoint at) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(Skin::uiFont(12, true));
  label->move(at);
  label->adjustSize();
  return label;
}

ActionLabel* link(QWidget* parent, const QString& name, const QString& text, const QString& target,
                  QPoint at) {
  auto* label = new ActionLabel(text, parent);
  label->setObjectName(name);
  label->setLinkTarget(target);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, QColor(0, 0, 200));
  label->setPalette(pal);
  label->move(at);
  return label;
}

}  // namespace

AboutPage::AboutPage(const ImageList& images, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("aboutPage"));

  aboutPicture = new QLabel(this);
  aboutPicture->setObjectName(QStringLiteral("aboutPicture"));
  aboutPicture->setPixmap(drawAboutPicture(images));
  aboutPicture->setGeometry(12, 14, 72, 72);

  whyCleanHeading = new ActionLabel(QStringLiteral("为什么要清理垃圾文件？"), this);
  whyCleanHeading->setObjectName(QStringLiteral("whyCleanHeading"));
  whyCleanHeading->setFont(Skin::uiFont(14, true));
  QPalette green = whyCleanHeading->palette();
  green.setColor(QPalette::WindowText, Skin::textGreen());
  whyCleanHeading->setPalette(green);
  whyCleanHeading->move(96, 12);

  whyCleanText = paragraph(this, QStringLiteral("whyCleanText"), kWhyText, QRect(96, 36, 514, 100));

  productBox = new QGroupBox(QStringLiteral("Norvane磁盘清理（免费版）"), this);
  productBox->setObjectName(QStringLiteral("productBox"));
  productBox->setGeometry(12, 142, 598, 216);

  introHeading =
      heading(productBox, QStringLiteral("introHeading"), QStringLiteral("简介："), QPoint(14, 24));
  introText =
      paragraph(productBox, QStringLiteral("introText"), kIntroText, QRect(14, 44, 566, 52));

  supportHeading = heading(productBox, QStringLiteral("supportHeading"),
                           QStringLiteral("服务支持："), QPoint(14, 104));
  webSiteLink = link(productBox, QStringLiteral("webSiteLink"),
                     QStringLiteral("网址：") + kMakerWebSite, kMakerWebSite, QPoint(30, 126));
  webSiteLink->setImage(&images, 25);
  mailLink = link(productBox, QStringLiteral("mailLink"), QStringLiteral("邮件：") + kMakerMail,
                  QStringLiteral("mailto:") + kMakerMail, QPoint(30, 148));
  mailLink->setImage(&images, 27);
  messengerLabel = new ActionLabel(kMakerMessenger, productBox);
  messengerLabel->setObjectName(QStringLiteral("messengerLabel"));
  messengerLabel->setImage(&images, 28);
  messengerLabel->move(30, 170);

  otherProductsHeading = heading(productBox, QStringLiteral("otherProductsHeading"),
                                 QStringLiteral("其他软件："), QPoint(300, 104));
  for (int i = 0; i < 4; ++i) {
    const Product& product = kProducts[i];
    ActionLabel* label =
        link(productBox, QString::fromLatin1(product.name), QString::fromUtf8(product.caption),
             kMakerWebSite + QString::fromUtf8(product.page), QPoint(316, 126 + 22 * i));
    label->setHint(QString::fromUtf8(product.hint));
    label->setImage(&images, 29);
    productLinks[i] = label;
  }
}

}  // namespace norvane
