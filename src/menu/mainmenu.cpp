#include "menu/mainmenu.h"

#include "engine/fade.h"
#include "ui/look.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>

namespace tintara
{

namespace
{

// Access keys as menus should treat them. Left to Qt, a key shared by
// several entries ("color num. &1" and "color num. &10") moves on from the
// entry highlighted when the menu opened, disabled entries included, so "1"
// reached slot 10 or nothing. Here the first press of a key goes to its
// first enabled entry, choosing it when no other enabled entry shares the
// key; pressing the key again moves on to the next.
class AccessKeys : public QObject
{
public:
    explicit AccessKeys(QMenu *menu) : QObject(menu), menu_(menu)
    {
        connect(menu, &QMenu::aboutToShow, this, [this] { lastKey_ = 0; });
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto *press = static_cast<QKeyEvent *>(event);
        const char16_t key = accessKey(*press);
        const char16_t previous = lastKey_;
        lastKey_ = key;
        if (key == 0) {
            return false;
        }
        QList<QAction *> entries;
        bool anyEntry = false;
        for (QAction *entry : menu_->actions()) {
            if (QKeySequence::mnemonic(entry->text())[0].key() == key) {
                anyEntry = true;
                if (entry->isEnabled() && entry->isVisible()) {
                    entries.append(entry);
                }
            }
        }
        if (entries.isEmpty()) {
            return anyEntry;
        }
        const qsizetype at = entries.indexOf(menu_->activeAction());
        const bool again = key == previous && at >= 0;
        menu_->setActiveAction(entries.at(again ? (at + 1) % entries.size() : 0));
        if (entries.size() == 1) {
            QKeyEvent choose(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(menu_, &choose);
        }
        return true;
    }

private:
    // The upper-case character a plain key types, or 0.
    static char16_t accessKey(const QKeyEvent &press)
    {
        const Qt::KeyboardModifiers plain = Qt::ShiftModifier | Qt::KeypadModifier;
        if (press.text().size() != 1 || (press.modifiers() & ~plain) != 0) {
            return 0;
        }
        return press.text().at(0).toUpper().unicode();
    }

    QMenu *menu_;
    char16_t lastKey_ = 0;
};

// Menus in the windows' own font and colours, a little larger to read easily.
void dress(QMenu *menu)
{
    QFont font = uiFont();
    font.setPointSizeF(8.25);
    menu->setFont(font);
    menu->installEventFilter(new AccessKeys(menu));
    menu->setStyleSheet(QStringLiteral(R"(
QMenu { background: #eef1f2; border: 1px solid #344146; padding: 3px 0px; }
QMenu::item { padding: 3px 18px 3px 22px; color: #404040; }
QMenu::item:selected { background: #72868b; color: #ffffff; }
QMenu::item:disabled { color: #a3adb1; }
QMenu::separator { height: 1px; background: #c3cacd; margin: 3px 8px; }
)"));
}

QAction *addEntry(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *entry = menu->addAction(caption);
    entry->setObjectName(name);
    return entry;
}

void addBreak(QMenu *menu, const QString &name)
{
    menu->addSeparator()->setObjectName(name);
}

QMenu *addSubMenu(QMenu *menu, const QString &name, const QString &caption)
{
    auto *sub = new QMenu(caption, menu);
    dress(sub);
    menu->addMenu(sub)->setObjectName(name);
    return sub;
}

QString styleName(const StyleEntry &entry)
{
    return QString::fromLatin1(entry.name.data(), static_cast<qsizetype>(entry.name.size()));
}

// mnu_bold, mnu_italic, mnu_strike and mnu_underline.
QString styleEntryName(const StyleEntry &entry)
{
    return QStringLiteral("mnu_") + styleName(entry);
}

void addPaletteMenu(QMenu *menu)
{
    QMenu *palette =
        addSubMenu(menu, QStringLiteral("mnu_editcolors"), QStringLiteral("edit &palette"));
    for (int slot = 1; slot <= kMaxColors; ++slot) {
        addEntry(palette, QStringLiteral("mnu_cnum%1").arg(slot),
                 QStringLiteral("color num. &%1").arg(slot));
    }
    addBreak(palette, QStringLiteral("mnu_brk4"));
    addEntry(palette, QStringLiteral("mnu_curnum"), QString());
}

// The entries of the "blend" sub-menu, in menu order.
constexpr std::array kBlends{Blend::Rgb, Blend::OkLab, Blend::OkLch};

// A sub-menu of entries of which exactly one is checked, the first at first.
QMenu *addChoiceMenu(QMenu *menu, const QString &name, const QString &caption,
                     const QList<std::pair<QString, QString>> &entries)
{
    QMenu *choices = addSubMenu(menu, name, caption);
    auto *group = new QActionGroup(choices);
    for (const auto &[entryName, entryCaption] : entries) {
        QAction *entry = addEntry(choices, entryName, entryCaption);
        entry->setCheckable(true);
        group->addAction(entry);
    }
    group->actions().constFirst()->setChecked(true);
    return choices;
}

QString blendEntryName(Blend blend)
{
    const std::string_view name = blendName(blend);
    return QStringLiteral("mnu_blend") +
           QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

void addViewMenus(QMenu *menu)
{
    QList<std::pair<QString, QString>> blends;
    for (const Blend blend : kBlends) {
        const std::string_view name = blendName(blend);
        blends.append({blendEntryName(blend),
                       QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))});
    }
    addChoiceMenu(menu, QStringLiteral("mnu_blend"), QStringLiteral("&blend"), blends);
    QList<std::pair<QString, QString>> sizes;
    for (const int percent : kSizePercents) {
        sizes.append(
            {QStringLiteral("mnu_size%1").arg(percent), QStringLiteral("%1%").arg(percent)});
    }
    QMenu *size = addChoiceMenu(menu, QStringLiteral("mnu_size"), QStringLiteral("&size"), sizes);
    addEntry(size, QStringLiteral("mnu_sizenote"), QStringLiteral("(from the next start)"))
        ->setEnabled(false);
    addBreak(menu, QStringLiteral("mnu_brk12"));
}

void addStyleMenu(QMenu *menu)
{
    QMenu *weights =
        addSubMenu(menu, QStringLiteral("mnu_fweights"), QStringLiteral("use font weights..."));
    for (const StyleEntry &entry : kStyles) {
        // A checkable entry toggles its own mark when chosen: the style toggle.
        addEntry(weights, styleEntryName(entry), styleName(entry))->setCheckable(true);
    }
}

} // namespace

MainMenu::MainMenu()
    : mnu_(new QMenu(QStringLiteral("menu"), this)), mnu2_(new QMenu(QStringLiteral("menu2"), this))
{
    setObjectName(QStringLiteral("mainmenu"));
    setWindowTitle(QStringLiteral("menu"));
    mnu_->setObjectName(QStringLiteral("mnu"));
    mnu2_->setObjectName(QStringLiteral("mnu2"));
    dress(mnu_);
    dress(mnu2_);

    addEntry(mnu_, QStringLiteral("mnu_about"), QStringLiteral("&about tintara..."));
    addBreak(mnu_, QStringLiteral("mnu_brk10"));
    addPaletteMenu(mnu_);
    addStyleMenu(mnu_);
    addBreak(mnu_, QStringLiteral("mnu_brk9"));
    QMenu *sets = addSubMenu(mnu_, QStringLiteral("mnu_pre"), QStringLiteral("pre-made &fades"));
    addEntry(sets, QStringLiteral("mnu_openpre"), QStringLiteral("&open fade set..."));
    addEntry(sets, QStringLiteral("mnu_saveset"), QStringLiteral("&save fade set..."));
    addEntry(mnu_, QStringLiteral("mnu_rand"), QStringLiteral("randomi&ze colors..."));
    addEntry(mnu_, QStringLiteral("mnu_defaults"), QStringLiteral("&restore defaults"));
    addBreak(mnu_, QStringLiteral("mnu_brk2"));
    addEntry(mnu_, QStringLiteral("mnu_preview"), QStringLiteral("preview &context..."));
    addBreak(mnu_, QStringLiteral("mnu_brk5"));
    addViewMenus(mnu_);
    addEntry(mnu_, QStringLiteral("mnu_mini"), QStringLiteral("&minimize"));
    addEntry(mnu_, QStringLiteral("mnu_exit"), QStringLiteral("e&xit"));

    addEntry(mnu2_, QStringLiteral("mnu_savehtml"), QStringLiteral("&save coding..."));
    addBreak(mnu2_, QStringLiteral("mnubrk11"));
    QMenu *send =
        addSubMenu(mnu2_, QStringLiteral("mnu_sendcoding"), QStringLiteral("send coding to..."));
    addEntry(send, QStringLiteral("mnu_aolchat"), QStringLiteral("america online (4/5) chat..."));
    addBreak(mnu2_, QStringLiteral("mnubrk13"));
    addEntry(mnu2_, QStringLiteral("mnu_readable"), QStringLiteral("check &readability..."));

    // As the main window starts: two colours, slot 1 being edited.
    enableSlotEntries(kMinColors);
    showCurrentSlot(1);
}

QMenu *MainMenu::mnu() const
{
    return mnu_;
}

QMenu *MainMenu::mnu2() const
{
    return mnu2_;
}

QAction *MainMenu::action(const QString &name) const
{
    return findChild<QAction *>(name);
}

QAction *MainMenu::cnum(int slot) const
{
    return action(QStringLiteral("mnu_cnum%1").arg(slot));
}

void MainMenu::enableSlotEntries(int count)
{
    for (int slot = 1; slot <= kMaxColors; ++slot) {
        cnum(slot)->setEnabled(slot <= count);
    }
}

void MainMenu::showCurrentSlot(int slot)
{
    action(QStringLiteral("mnu_curnum"))->setText(QStringLiteral("current: num. %1").arg(slot));
}

Blend MainMenu::blend() const
{
    for (const Blend blend : kBlends) {
        if (action(blendEntryName(blend))->isChecked()) {
            return blend;
        }
    }
    return Blend::Rgb;
}

void MainMenu::setBlend(Blend blend)
{
    action(blendEntryName(blend))->setChecked(true);
}

QAction *MainMenu::sizeAction(int percent) const
{
    return action(QStringLiteral("mnu_size%1").arg(percent));
}

QAction *MainMenu::styleAction(Style style) const
{
    return action(styleEntryName(styleEntry(style)));
}

} // namespace tintara
