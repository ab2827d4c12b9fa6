#pragma once
// Dialogs for tests: answers are queued beforehand, and every request and message is recorded.

#include "core/services.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

namespace kc::testing {

class ScriptedServices : public Services {
 public:
  struct Message {
    QString text;
    MessageIcon icon;
  };

  // nullopt = the teacher cancels.
  void queueOpen(std::optional<QString> answer) { opens_.push_back(std::move(answer)); }
  void queueSave(std::optional<QString> answer) { saves_.push_back(std::move(answer)); }
  void queueColour(std::optional<std::int32_t> answer) { colours_.push_back(answer); }

  void message(const QString& text, MessageIcon icon) override { messages.push_back({text, icon}); }
  std::optional<QString> openFile(const FileDialogRequest& r) override;
  std::optional<QString> saveFile(const FileDialogRequest& r) override;
  std::optional<std::int32_t> chooseColour(std::int32_t initial) override;

  QList<Message> messages;
  QList<FileDialogRequest> openRequests;
  QList<FileDialogRequest> saveRequests;

  QStringList messageTexts() const;

 private:
  std::deque<std::optional<QString>> opens_, saves_;
  std::deque<std::optional<std::int32_t>> colours_;
};

}  // namespace kc::testing
