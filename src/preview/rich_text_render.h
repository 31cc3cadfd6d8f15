#pragma once

#include "engine/coded_text_renderer.h"

class QTextEdit;

namespace tintara
{

// Empties the box and resets what typing would insert to plain black Arial
// 10 pt, then fills it with the rendered runs in one edit block, so the box
// lays itself out once. The caret ends after the text, in the format the last
// tags left, while the view stays on the start of the text.
void applyRuns(QTextEdit *box, const RenderedText &rendered);

} // namespace tintara
