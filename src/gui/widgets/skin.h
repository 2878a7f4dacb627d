#pragma once
// The green skin shared by every window: colours, the interface font, the background
// pictures, the program icon and the application cursor "mycur". All drawn in code.
#include <QColor>
#include <QCursor>
#include <QFont>
#include <QPixmap>
#include <QString>

class QApplication;

namespace norvane {

// Texts every window agrees on.
inline const QString kApplicationTitle = QStringLiteral("Norvane磁盘清理");
inline const QString kMainWindowCaption = QStringLiteral("Norvane磁盘文件清理");
inline const QString kCaptionLine = QStringLiteral("Norvane磁盘清理 V1.50.623");

class Skin {
 public:
  static QColor textGreen() { return QColor(16, 117, 8); }
  static QColor captionText() { return QColor(231, 251, 231); }

  // "宋体" at `pixelSize`, falling back to the CJK fonts a Linux desktop has.
  static QFont uiFont(int pixelSize = 12, bool bold = false);

  // The stretched background of a skinned window of `size`. The main window's picture has a
  // band for the function buttons under the caption band; a dialog's has the caption band only.
  static QPixmap mainBackground(QSize size);
  static QPixmap dialogBackground(QSize size);

  // The program icon shown at the left of the caption line and on the taskbar.
  static QPixmap programIcon(int size);

  // The application cursor "mycur": a green arrow.
  static QCursor myCursor();
  // Makes "mycur" the cursor of every window of the program (a second call keeps it).
  static void installApplicationCursor();

  // Font, palette and tooltips for the whole application.
  static void applyApplicationLook(QApplication& app);
};

}  // namespace norvane
