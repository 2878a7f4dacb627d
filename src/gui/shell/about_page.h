#pragma once
// The function page "关于": why junk files should go, and the maker's contacts and products.
#include <QWidget>

class QGroupBox;
class QLabel;

namespace norvane {

class ActionLabel;
class ImageList;

class AboutPage : public QWidget {
  Q_OBJECT

 public:
  explicit AboutPage(const ImageList& images, QWidget* parent = nullptr);

  QLabel* aboutPicture = nullptr;
  ActionLabel* whyCleanHeading = nullptr;
  QLabel* whyCleanText = nullptr;
  QGroupBox* productBox = nullptr;
  QLabel* introHeading = nullptr;
  QLabel* introText = nullptr;
  QLabel* supportHeading = nullptr;
  ActionLabel* webSiteLink = nullptr;
  ActionLabel* mailLink = nullptr;
  ActionLabel* messengerLabel = nullptr;
  QLabel* otherProductsHeading = nullptr;
  // The four product links, shredderLink to privacyLink.
  ActionLabel* productLinks[4] = {};
};

}  // namespace norvane
