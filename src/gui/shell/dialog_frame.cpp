#include "gui/shell/dialog_frame.h"

#include <QLabel>
#include <QResizeEvent>
#include <QScreen>
#include <QToolButton>

#include "gui/widgets/skin.h"
#include "gui/widgets/window_button.h"

namespace norvane {

TForm2::TForm2(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(kApplicationTitle);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setScaledContents(true);

  Label1 = new DragStrip(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(-122, 1, 662, 32);
  connect(Label1, &DragStrip::mouseDown, this, &TForm2::Label1MouseDown);

  Image2 = new QLabel(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(3, -1, 32, 32);
  Image2->setPixmap(Skin::programIcon(28));
  Image2->setAlignment(Qt::AlignCenter);

  FrmCaption = new QLabel(this);
  FrmCaption->setObjectName(QStringLiteral("FrmCaption"));
  FrmCaption->setFont(Skin::uiFont(12, true));
  QPalette pal = FrmCaption->palette();
  pal.setColor(QPalette::WindowText, Skin::captionText());
  FrmCaption->setPalette(pal);
  FrmCaption->setGeometry(38, 13, 400, 16);

  ToolButton1 = createWindowButton(this, QStringLiteral("ToolButton1"), WindowButtonKind::Close);
  ToolButton1->move(517, 8);
  connect(ToolButton1, &QToolButton::clicked, this, [this] { ToolButton1Click(ToolButton1); });

  resize(540, 456);
}

void TForm2::Label1MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
  if (mover_)
    mover_(this);
  else
    DragStrip::startSystemMove(this);
}

void TForm2::ToolButton1Click(QObject*) { reject(); }

void TForm2::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  Image1->setGeometry(rect());
  Image1->setPixmap(Skin::dialogBackground(size()));
  Image1->lower();
}

void TForm2::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QScreen* screen = this->screen()) {
    QRect frame = geometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

}  // namespace norvane
