#include <QApplication>
#include <QDialog>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog window;
  window.setWindowTitle(QStringLiteral("Lumvane 人人相册批量下载"));
  window.resize(707, 525);
  window.show();
  return app.exec();
}
