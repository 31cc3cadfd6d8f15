#include "about/about_credits.h"

namespace tintara
{

const QStringList &aboutCredits()
{
    static const QStringList credits = {
        QStringLiteral("Tintara Deluxe"),
        QStringLiteral("written by vorlen"),
        QStringLiteral("in C++ with Qt"),
        QStringLiteral("artwork by nira"),
        QStringLiteral("drawn in QPainter"),
        QStringLiteral("get in touch:"),
        QStringLiteral("IM: tintarafader"),
        QStringLiteral("e-mail:"),
        QStringLiteral("tint@example.org"),
        QStringLiteral("thanks go to:"),
        QStringLiteral("marisol"),
        QStringLiteral("kestrel"),
        QStringLiteral("juniper"),
        QStringLiteral("dex"),
        QStringLiteral("aurelia"),
        QStringLiteral("tobin"),
        QStringLiteral("sable"),
        QStringLiteral("quill"),
        QStringLiteral("linnea"),
        QStringLiteral("orrin"),
        QStringLiteral("wren"),
        QStringLiteral("calloway"),
        QStringLiteral("imogen"),
        QStringLiteral("fenwick"),
        QStringLiteral("rosalind"),
        QStringLiteral("teodor"),
        QStringLiteral("bastian"),
        QStringLiteral("odessa"),
        QStringLiteral("lucan"),
        QStringLiteral("sorrel"),
        QStringLiteral("evander"),
        QStringLiteral("tamsin"),
        QStringLiteral("perpetua"),
        QStringLiteral("ansel"),
        QStringLiteral("close"),
    };
    return credits;
}

} // namespace tintara
