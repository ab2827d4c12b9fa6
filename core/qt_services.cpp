#include "core/qt_services.h"

#include "core/settings.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace kc {

QString qtFilter(const QString& oldStyle) {
  const QStringList parts = oldStyle.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (description.isEmpty()) continue;
    // Qt reads the patterns from the parentheses; add them when the description has none.
    if (description.contains(QLatin1Char('(')))
      filters << description;
    else
      filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return filters.join(QStringLiteral(";;"));
}

void QtServices::message(const QString& text, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Warning       ? QMessageBox::Warning
                  : icon == MessageIcon::Information ? QMessageBox::Information
                                                     : QMessageBox::NoIcon,
                  QApplication::applicationName(), text, QMessageBox::Ok);
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.exec();
}

std::optional<QString> QtServices::openFile(const FileDialogRequest& r) {
  QFileDialog dialog(nullptr, r.title, QString(), qtFilter(r.filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
  if (!r.fileName.isEmpty()) dialog.selectFile(r.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

std::optional<QString> QtServices::saveFile(const FileDialogRequest& r) {
  QFileDialog dialog(nullptr, r.title, QString(), qtFilter(r.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
  if (!r.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(r.defaultSuffix);
  if (!r.fileName.isEmpty()) dialog.selectFile(r.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

std::optional<std::int32_t> QtServices::chooseColour(std::int32_t initial) {
  const QColor c = QColorDialog::getColor(colourFromValue(initial));
  if (!c.isValid()) return std::nullopt;
  return valueFromColour(c);
}

}  // namespace kc
