#pragma once
// A label that holds codes (TCVN3 or system-font text) and shows them as they are drawn.

#include "core/text/fonts.h"

#include <QLabel>

namespace kc {

class VnLabel : public QLabel {
  Q_OBJECT
  Q_PROPERTY(QString codes READ codes WRITE setCodes)

 public:
  explicit VnLabel(QWidget* parent = nullptr, FontSpec font = {});

  const QString& codes() const { return codes_; }
  void setCodes(const QString& codes);

  const FontSpec& fontSpec() const { return spec_; }
  void setFontSpec(const FontSpec& style);
  void setBold(bool bold);
  void setUnderline(bool underline);
  bool isBold() const { return spec_.bold; }
  bool isUnderline() const { return spec_.underline; }

  // Colours in the stored encoding (red + 256 green + 65536 blue).
  void setTextColour(std::int32_t value);
  std::int32_t textColour() const { return textColour_; }
  // A transparent label shows what lies behind it (the default).
  void setOpaque(bool opaque, std::int32_t backColour = 0xFFFFFF);

 signals:
  void clicked();
  void pressed(Qt::MouseButton button);
  void hovered();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void enterEvent(QEnterEvent* e) override;

 private:
  void refresh();

  QString codes_;
  FontSpec spec_;
  std::int32_t textColour_ = 0;
  bool pressedInside_ = false;
};

}  // namespace kc
