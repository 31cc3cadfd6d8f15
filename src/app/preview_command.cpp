#include "preview/preview_command.h"

#include "preview/htmlwin.h"
#include "preview/previewwin.h"
#include "shell/forms.h"

namespace tintara
{

void runPreviewCommand(Forms &forms)
{
    PreviewWin *preview = forms.previewwin();
    preview->preview(forms.htmlwin()->codedText());
}

} // namespace tintara
