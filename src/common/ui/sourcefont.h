#pragma once

class QWidget;

namespace pm {

// Gives a source editor the font of the settings (SourceFontSize, below 1
// meaning 10, and FontNameByIndex(SourceFontIndex)) when its size or name
// differs. True when the font changed. Called when the editor is shown and
// after the Setup dialog's OK, never while painting.
bool ApplySourceFont(QWidget* editor);

}  // namespace pm
