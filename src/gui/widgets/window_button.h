#pragma once
// The flat minimise and close buttons of the skinned windows.
#include <QString>

class QToolButton;
class QWidget;

namespace norvane {

enum class WindowButtonKind { Minimise, Close };

QToolButton* createWindowButton(QWidget* parent, const QString& objectName, WindowButtonKind kind);

}  // namespace norvane
