#include "app/display_size.h"

#include "menu/mainmenu.h"

#include <QGuiApplication>
#include <QSettings>

#include <algorithm>

namespace tintara
{

namespace
{

const QString kSizeKey = QStringLiteral("size");

QSettings settings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tintara"),
                     QStringLiteral("tintara"));
}

} // namespace

int chosenSizePercent()
{
    const int stored = settings().value(kSizeKey, 100).toInt();
    const bool known =
        std::find(kSizePercents.cbegin(), kSizePercents.cend(), stored) != kSizePercents.cend();
    return known ? stored : 100;
}

void rememberSizePercent(int percent)
{
    settings().setValue(kSizeKey, percent);
}

void applyChosenSize()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    const int percent = chosenSizePercent();
    if (percent != 100 && qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(percent / 100.0));
    }
}

} // namespace tintara
