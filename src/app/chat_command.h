#pragma once

namespace tintara
{

class Forms;

// "america online (4/5) chat...": types the coded text into the chat room of
// a running chat client and sends it; without a client it ends quietly.
void mnu_aolchat_Click(Forms &forms);

} // namespace tintara
