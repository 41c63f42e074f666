// Modal message boxes under the program's title, behind a seam that tests replace.
#pragma once

#include <QString>
#include <functional>

namespace velmora {

inline const QString kProgramTitle = QStringLiteral("Velmora");

// Styles: 0 shows no icon, 48 the exclamation icon; both have only an OK button.
inline constexpr int kMsgNoIcon = 0;
inline constexpr int kMsgExclamation = 48;

// Shows a modal box with the text and waits until it is closed.
void MsgBox(const QString& text, int style = kMsgNoIcon);

// Replaces the modal box (tests record text and style instead of blocking). An empty handler
// restores the real box.
using MessageBoxHandler = std::function<void(const QString& text, int style)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace velmora
