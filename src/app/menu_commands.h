#pragma once

namespace tintara
{

class Forms;
class MainMenu;

// Connects the menu entries to their commands; runs once, when the menu
// form is created. Entries without a command yet have no connection here.
void connectMenuCommands(Forms &forms, MainMenu &menu);

} // namespace tintara
