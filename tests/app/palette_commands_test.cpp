#include "engine/fade_set.h"
#include "engine/random_colours.h"
#include "support/workspace_driver.h"

using namespace tintara;

namespace
{

// The palettes that the first and second use of random colours draw in a run.
std::array<Palette, 2> firstTwoRandomPalettes()
{
    FixedStartRandom random;
    const Palette first = drawRandomPalette(random);
    return {first, drawRandomPalette(random)};
}

} // namespace

class PaletteCommandsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WorkspaceDriver> run;

private slots:
    void init() { run = std::make_unique<WorkspaceDriver>(); }
    void cleanup() { run.reset(); }

    void slotEntriesAreEnabledUpToTheColourCount()
    {
        for (int count = 2; count <= 10; ++count) {
            run->bar("colors1")->setValue(count);
            for (int slot = 1; slot <= 10; ++slot) {
                QCOMPARE(run->menu->cnum(slot)->isEnabled(), slot <= count);
            }
        }

        // A disabled entry cannot be chosen, so the slot being edited stays
        // within the count.
        run->bar("colors1")->setValue(5);
        run->choose("mnu_cnum4");
        for (const char *entry : {"mnu_cnum6", "mnu_cnum10"}) {
            run->choose(entry);
            QVERIFY(run->editing(4));
        }
        run->choose("mnu_cnum5");
        QVERIFY(run->editing(5));
    }

    void anEntryOpensItsSlotForEditing()
    {
        run->bar("colors1")->setValue(10);
        for (int slot = 1; slot <= 10; ++slot) {
            run->paintSlot(slot, slot, 2 * slot, 3 * slot);
        }
        for (int slot = 1; slot <= 10; ++slot) {
            run->choose(QStringLiteral("mnu_cnum%1").arg(slot).toLatin1().constData());
            QVERIFY(run->editing(slot));
            QCOMPARE(run->win->currentColour(), rgb(slot, 2 * slot, 3 * slot));
        }

        // An edit stays with its slot once it has reached it at a tick.
        run->choose("mnu_cnum3");
        run->editColour(200, 100, 50);
        run->win->tmrclr_Timer();
        run->choose("mnu_cnum4");
        QCOMPARE(run->win->slotColour(3), rgb(200, 100, 50));
        QVERIFY(run->editing(4));
        QCOMPARE(run->hexReadOut(), "hex:#04080c");
    }

    void randomColoursPaintOnlyTheSlotsInUse()
    {
        const auto [first, second] = firstTwoRandomPalettes();
        run->bar("colors1")->setValue(3);
        run->paintSlot(3, 1, 2, 3);
        run->bar("colors1")->setValue(2);
        run->choose("mnu_cnum2");

        run->choose("mnu_rand");
        Slots expected = whitePalette();
        expected[0] = first[0];
        expected[1] = first[1];
        expected[2] = rgb(1, 2, 3);
        QCOMPARE(run->palette(), expected);
        QVERIFY(run->editing(1));
        QCOMPARE(run->bar("colors1")->value(), 2);

        // Every use draws all thirty components, whatever the count.
        run->choose("mnu_rand");
        expected[0] = second[0];
        expected[1] = second[1];
        QCOMPARE(run->palette(), expected);
    }

    void everyRunDrawsTheSameSequenceWhateverTheCount()
    {
        const auto [first, second] = firstTwoRandomPalettes();
        run->bar("colors1")->setValue(10);
        run->choose("mnu_rand");
        QCOMPARE(run->palette(), Slots{first});

        run->bar("colors1")->setValue(2);
        run->choose("mnu_rand");
        QCOMPARE(run->win->slotColour(1), second[0]);
        QCOMPARE(run->win->slotColour(2), second[1]);
        QCOMPARE(run->win->slotColour(3), first[2]);
    }

    void theSlotBeingEditedTakesItsOwnRandomColour()
    {
        const Palette first = firstTwoRandomPalettes()[0];
        run->bar("colors1")->setValue(5);
        run->choose("mnu_cnum5");
        run->editColour(1, 1, 1);
        run->choose("mnu_rand");
        run->win->tmrclr_Timer();
        QCOMPARE(run->win->slotColour(5), first[4]);
        QCOMPARE(run->win->slotColour(1), first[0]);
        QVERIFY(run->editing(1));
    }
};

QTEST_MAIN(PaletteCommandsTest)
#include "palette_commands_test.moc"
