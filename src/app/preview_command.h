#pragma once

namespace tintara
{

class Forms;

// The preview command of the "preview" label and "preview &context...": shows
// the preview window (loading it if needed) and renders the current coded
// text into it; repeating it renders again into the same window.
void runPreviewCommand(Forms &forms);

} // namespace tintara
