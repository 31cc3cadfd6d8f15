#include "support/simulated_chat_client.h"

namespace
{

void addChildren(FakeWindowSystem &windows, tintara::WindowHandle parent,
                 const std::string &className, int count, std::vector<tintara::WindowHandle> *added)
{
    for (int i = 0; i < count; ++i) {
        const tintara::WindowHandle child = windows.addWindow(parent, className);
        if (added != nullptr) {
            added->push_back(child);
        }
    }
}

} // namespace

SimulatedChatClient::SimulatedChatClient(FakeWindowSystem &windows)
    : windows_(windows), mainWindow_(windows.addWindow(tintara::kNoWindow, "AOL Frame25")),
      mdiArea_(windows.addWindow(mainWindow_, "MDIClient"))
{
}

SimulatedChatClient::Room SimulatedChatClient::addDocument(const RoomChildren &children,
                                                           std::string typed, int sendIcon,
                                                           int sendDelay)
{
    Room room{windows_.addWindow(mdiArea_, "AOL Child"), tintara::kNoWindow, {}};
    std::vector<WindowHandle> richText;
    // Grouped by class: the room search counts children per class only.
    addChildren(windows_, room.window, "_AOL_Static", children.statics, nullptr);
    addChildren(windows_, room.window, "RICHCNTL", children.richText, &richText);
    addChildren(windows_, room.window, "_AOL_Combobox", children.comboboxes, nullptr);
    addChildren(windows_, room.window, "_AOL_Icon", children.icons, &room.icons);
    addChildren(windows_, room.window, "_AOL_Image", children.images, nullptr);
    addChildren(windows_, room.window, "_AOL_Listbox", children.listboxes, nullptr);
    if (richText.size() >= 2) {
        room.input = richText[1];
        windows_.setText(room.input, std::move(typed));
    }
    if (sendIcon >= 0 && sendIcon < static_cast<int>(room.icons.size()) &&
        room.input != tintara::kNoWindow) {
        windows_.delayPostedMessages(room.icons[sendIcon], sendDelay);
        windows_.onClick(room.icons[sendIcon], [this, input = room.input] {
            const std::string line = windows_.text(input);
            if (!line.empty()) {
                sentLines_.push_back(line);
                windows_.setText(input, "");
            }
        });
    }
    return room;
}
