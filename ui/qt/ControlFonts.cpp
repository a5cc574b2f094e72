// Fonts of the window's controls: face, size and weight, with stand-ins for faces that are missing.
#include "ui/qt/ControlFonts.h"

#include <QStringList>

#include <cmath>

namespace quillon::ui {

namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;

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

QFont controlFont(const forms::FontSpec& wanted)
{
    const std::string_view face = forms::faceName(wanted.face);
    QFont font(QString::fromLatin1(face.data(), static_cast<qsizetype>(face.size())));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(wanted.points * kPixelsPerPoint)));
    font.setWeight(wanted.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(wanted.italic);
    return font;
}

} // namespace quillon::ui
