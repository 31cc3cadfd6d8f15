#pragma once

// Finding a window's controls by name, as a user finds them by caption.

#include <QPalette>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace tintara
{

template <typename T = QWidget> T *control(const QObject *form, const char *name)
{
    auto *found = form->findChild<T *>(QString::fromLatin1(name));
    if (found == nullptr) {
        std::fprintf(stderr, "no control named %s\n", name);
        std::abort();
    }
    return found;
}

inline QRgb textColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText).rgb();
}

} // namespace tintara
