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

  QLabel* Image3 = nullptr;
  ActionLabel* ActLabel41 = nullptr;
  QLabel* Label13 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QLabel* Label14 = nullptr;
  QLabel* Label15 = nullptr;
  QLabel* Label16 = nullptr;
  ActionLabel* ActLabel42 = nullptr;
  ActionLabel* ActLabel43 = nullptr;
  ActionLabel* ActLabel44 = nullptr;
  QLabel* Label17 = nullptr;
  // The four product links, ActLabel45 to ActLabel48.
  ActionLabel* productLinks[4] = {};
};

}  // namespace norvane
