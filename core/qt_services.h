#pragma once
// The real dialogs.

#include "core/services.h"

namespace kc {

class QtServices : public Services {
 public:
  void message(const QString& text, MessageIcon icon) override;
  std::optional<QString> openFile(const FileDialogRequest& request) override;
  std::optional<QString> saveFile(const FileDialogRequest& request) override;
  std::optional<std::int32_t> chooseColour(std::int32_t initial) override;
};

}  // namespace kc
