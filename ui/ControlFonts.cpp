// Fonts of the window's controls: face, size and weight, with stand-ins for faces that are missing.
#include "ui/ControlFonts.h"

#include <QStringList>

#include <cmath>

namespace quillon::ui {

namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;

QString familyOf(ControlFace face)
{
    switch (face) {
    case ControlFace::Arial:
        return QStringLiteral("Arial");
    case ControlFace::MsSansSerif:
        return QStringLiteral("MS Sans Serif");
    case ControlFace::ComicSansMs:
        break;
    }
    return QStringLiteral("Comic Sans MS");
}

} // namespace

void installFontSubstitutes()
{
    // Metric-compatible first, then whatever plain sans serif the system is likely to have.
    const QStringList sansSerifs{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                 QStringLiteral("DejaVu Sans"), QStringLiteral("FreeSans"),
                                 QStringLiteral("Sans Serif")};
    QFont::insertSubstitutions(QStringLiteral("Arial"), sansSerifs);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), QStringList{QStringLiteral("Arial")} + sansSerifs);
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               QStringList{QStringLiteral("Comic Neue"), QStringLiteral("Comic Relief")} + sansSerifs);
}

QFont controlFont(ControlFace face, double points, bool bold)
{
    QFont font(familyOf(face));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * kPixelsPerPoint)));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace quillon::ui
