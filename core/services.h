#pragma once
// The dialogs of the program: message boxes, file dialogs and the colour dialog. Windows take
// them from the program object, so a test hands them a scripted set instead.

#include <QString>

#include <cstdint>
#include <optional>

namespace kc {

enum class MessageIcon { None, Warning, Information };

struct FileDialogRequest {
  // In the old platform's form: "Text File (*.txt)|*.txt|" (pairs of description|patterns).
  QString filter;
  QString title;
  // The name proposed in the dialog; may be a full path (the folder opens there).
  QString fileName;
  // Save dialogs add this extension to a name typed without one ("txt", "jpg").
  QString defaultSuffix;
};

class Services {
 public:
  virtual ~Services() = default;

  // A plain message box with an OK button.
  virtual void message(const QString& text, MessageIcon icon = MessageIcon::None) = 0;
  // The chosen path, or nullopt when the dialog was cancelled.
  virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
  // Asks before replacing an existing file; adds defaultSuffix to a bare name.
  virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
  // A colour in the stored encoding, or nullopt when cancelled.
  virtual std::optional<std::int32_t> chooseColour(std::int32_t initial) = 0;
};

// Turns "Text File (*.txt)|*.txt|" into Qt's "Text File (*.txt)" filter list.
QString qtFilter(const QString& oldStyleFilter);

}  // namespace kc
