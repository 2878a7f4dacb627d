#include "gui/widgets/page_commands.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

#include "gui/widgets/action_label.h"
#include "gui/widgets/skin.h"

namespace norvane {

ActionLabel* createCommandLabel(QWidget* parent, const ImageList& images, const QString& objectName,
                                const QString& caption, int imageIndex, QPoint at) {
  auto* label = new ActionLabel(caption, parent);
  label->setObjectName(objectName);
  label->setImage(&images, imageIndex);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, Skin::textGreen());
  label->setPalette(pal);
  label->move(at);
  return label;
}

void setLabelLook(QObject* label, bool bold, bool underline) {
  auto* widget = qobject_cast<QWidget*>(label);
  if (widget == nullptr) return;
  QFont f = widget->font();
  f.setBold(bold);
  f.setUnderline(underline);
  widget->setFont(f);
}

ActionLabel* createBackLabel(QWidget* parent, const ImageList& images, const QString& objectName) {
  // Room for the bold hover look, right-aligned on the page.
  return createCommandLabel(parent, images, objectName, QStringLiteral("返回"), 10,
                            QPoint(kInfoPageWidth - 52, kInfoCommandY));
}

}  // namespace norvane
