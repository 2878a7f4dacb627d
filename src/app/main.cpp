#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("Norvane磁盘清理"));
  label.show();
  return app.exec();
}
