#pragma once

namespace tintara
{

class Forms;
class MainMenu;

// Connects the menu entries to their commands; runs once, when the menu
// form is created. The style toggles need none (they toggle their own check
// marks), and mnu_curnum has none.
void connectMenuCommands(Forms &forms, MainMenu &menu);

} // namespace tintara
