#pragma once
// The keys that work a focused button, for the bars and every self-painted control alike.
class QKeyEvent;

namespace tessary::widgets {

// Enter or Space without Ctrl or Alt, not repeated by holding the key: what clicks a
// focused button.
bool IsClickKey(const QKeyEvent& key);

}  // namespace tessary::widgets
