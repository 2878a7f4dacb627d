#pragma once
// Command labels of the pages: green text with an icon, placed at a fixed point.
#include <QPoint>
#include <QString>

class QObject;
class QWidget;

namespace norvane {

class ActionLabel;
class ImageList;

// Height of an information page of the start page and the line its command labels sit on.
inline constexpr int kInfoPageWidth = 583;
inline constexpr int kInfoPageHeight = 157;
inline constexpr int kInfoListHeight = 134;
inline constexpr int kInfoCommandY = 139;

ActionLabel* createCommandLabel(QWidget* parent, const ImageList& images, const QString& objectName,
                                const QString& caption, int imageIndex, QPoint at);

// The hover look of a label: bold and/or underlined text. Does nothing for a non-widget.
void setLabelLook(QObject* label, bool bold, bool underline = false);

// The "返回" label at the bottom right of an information page.
ActionLabel* createBackLabel(QWidget* parent, const ImageList& images, const QString& objectName);

}  // namespace norvane
