#include "core/testing/scripted_services.h"

#include <gtest/gtest.h>

namespace kc::testing {

std::optional<QString> ScriptedServices::openFile(const FileDialogRequest& r) {
  openRequests.push_back(r);
  if (opens_.empty()) {
    ADD_FAILURE() << "unexpected open dialog: " << r.title.toStdString();
    return std::nullopt;
  }
  std::optional<QString> a = std::move(opens_.front());
  opens_.pop_front();
  return a;
}

std::optional<QString> ScriptedServices::saveFile(const FileDialogRequest& r) {
  saveRequests.push_back(r);
  if (saves_.empty()) {
    ADD_FAILURE() << "unexpected save dialog: " << r.title.toStdString();
    return std::nullopt;
  }
  std::optional<QString> a = std::move(saves_.front());
  saves_.pop_front();
  return a;
}

std::optional<std::int32_t> ScriptedServices::chooseColour(std::int32_t) {
  if (colours_.empty()) {
    ADD_FAILURE() << "unexpected colour dialog";
    return std::nullopt;
  }
  auto a = colours_.front();
  colours_.pop_front();
  return a;
}

QStringList ScriptedServices::messageTexts() const {
  QStringList l;
  for (const auto& m : messages) l << m.text;
  return l;
}

}  // namespace kc::testing
