#include "app/preview_command.h"

#include "app/forms.h"
#include "preview/htmlwin.h"
#include "preview/previewwin.h"

namespace tintara
{

void runPreviewCommand(Forms &forms)
{
    PreviewWin *preview = forms.previewwin();
    preview->preview(forms.htmlwin()->codedText());
}

} // namespace tintara
