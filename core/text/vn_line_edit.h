#pragma once
// A one-line text box for Vietnamese: it shows codes decoded and turns what the teacher
// types (Unicode from any input method) back into codes. Codes loaded from a file are kept
// exactly as they are until the teacher edits the text, so opening and saving a puzzle never
// changes its bytes.

#include "core/text/fonts.h"

#include <QLineEdit>

namespace kc {

class VnLineEdit : public QLineEdit {
  Q_OBJECT
  Q_PROPERTY(QString codes READ codes WRITE setCodes NOTIFY codesChanged)

 public:
  enum class Encoding { Text, Answer };

  explicit VnLineEdit(QWidget* parent = nullptr, FontSpec font = {},
                      Encoding encoding = Encoding::Text);

  const QString& codes() const { return codes_; }
  // Sets the codes (as a program step does); emits codesChanged when they differ.
  void setCodes(const QString& codes);

 signals:
  // Whenever the codes change, whether typed or set by a program step.
  void codesChanged(const QString& codes);
  void clicked();
  void hovered();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void enterEvent(QEnterEvent* e) override;

 private:
  void onEdited(const QString& unicode);

  QString codes_;
  FontSpec spec_;
  Encoding encoding_;
};

}  // namespace kc
