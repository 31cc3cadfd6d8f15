#include "app/chat_command.h"

#include "app/forms.h"
#include "chat/chat_room.h"
#include "preview/htmlwin.h"

namespace tintara
{

void mnu_aolchat_Click(Forms &forms)
{
    sendCodingToChat(forms.htmlwin()->codedText(), forms.chatWindows(), forms.clock());
}

} // namespace tintara
