#include "gui/widgets/qt_prompts.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <optional>

namespace norvane {

namespace {

// The program's own cursor is in force everywhere else; the system's dialogs keep theirs.
class NormalCursor {
 public:
  NormalCursor() {
    if (const QCursor* current = QGuiApplication::overrideCursor()) {
      saved_ = *current;
      QGuiApplication::restoreOverrideCursor();
    }
  }
  ~NormalCursor() {
    if (saved_) QGuiApplication::setOverrideCursor(*saved_);
  }
  NormalCursor(const NormalCursor&) = delete;
  NormalCursor& operator=(const NormalCursor&) = delete;

 private:
  std::optional<QCursor> saved_;
};

QMessageBox::Icon toQt(PromptIcon icon) {
  switch (icon) {
    case PromptIcon::Information:
      return QMessageBox::Information;
    case PromptIcon::Warning:
      return QMessageBox::Warning;
    case PromptIcon::Error:
      return QMessageBox::Critical;
    case PromptIcon::Question:
      return QMessageBox::Question;
    case PromptIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(PromptButtons buttons) {
  switch (buttons) {
    case PromptButtons::Ok:
      return QMessageBox::Ok;
    case PromptButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::RetryCancel:
      return QMessageBox::Retry | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

PromptAnswer fromQt(int button, PromptButtons buttons) {
  switch (button) {
    case QMessageBox::Ok:
      return PromptAnswer::Ok;
    case QMessageBox::Yes:
      return PromptAnswer::Yes;
    case QMessageBox::No:
      return PromptAnswer::No;
    case QMessageBox::Retry:
      return PromptAnswer::Retry;
    case QMessageBox::Cancel:
      return PromptAnswer::Cancel;
    default:
      break;
  }
  if (buttons == PromptButtons::Ok) return PromptAnswer::Ok;
  return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
}

}  // namespace

PromptAnswer QtPrompts::messageBox(QWidget* owner, const QString& text, const QString& caption,
                                   PromptIcon icon, PromptButtons buttons) {
  NormalCursor normal;
  QMessageBox box(toQt(icon), caption, text, toQt(buttons), owner);
  if (buttons == PromptButtons::YesNo) box.setEscapeButton(QMessageBox::No);
  return fromQt(box.exec(), buttons);
}

QStringList QtPrompts::openFiles(QWidget* owner, const QString& title, const QString& filter,
                                 bool multiSelect) {
  NormalCursor normal;
  const QString qtFilter = toQtFilter(filter);
  if (multiSelect) return QFileDialog::getOpenFileNames(owner, title, QString(), qtFilter);
  const QString file = QFileDialog::getOpenFileName(owner, title, QString(), qtFilter);
  return file.isEmpty() ? QStringList() : QStringList{file};
}

QString QtPrompts::chooseFolder(QWidget* owner, const QString& title) {
  NormalCursor normal;
  return QFileDialog::getExistingDirectory(owner, title);
}

void QtPrompts::installTranslations(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
  else
    delete translator;
}

QString QtPrompts::toQtFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& raw : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QString pattern = raw.trimmed();
      if (pattern.isEmpty()) continue;
      patterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    }
    if (patterns.isEmpty()) patterns << QStringLiteral("*");
    entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' ')));
  }
  return entries.join(QStringLiteral(";;"));
}

}  // namespace norvane
