// SPDX-License-Identifier: MIT
// Screen measures and fonts shared by the windows: twips (1/1440 inch) to pixels at the
// screen's logical DPI, and the fixed-pitch and interface fonts.
#pragma once

#include <QFont>
#include <QStringList>
#include <functional>

namespace valdora {

// Pixels for a length in twips at the primary screen's logical DPI (15 twips = 1 px at 96 dpi).
int TwipsToPixels(int twips);
// Twips for a length in pixels; the inverse of TwipsToPixels.
int PixelsToTwips(int pixels);

// A font whose every character has the same width, at `pointSize`: "Courier New" where
// installed, otherwise the first really fixed-pitch family of FixedPitchCandidates.
QFont FixedPitchFont(int pointSize = 10);
// The families FixedPitchFont tries, in order: "Courier New", the system's fixed-pitch family
// (whatever the font configuration calls monospace), well-known monospace families, then
// `installed` (every family of the machine).
QStringList FixedPitchCandidates(const QString& systemFixedFamily, const QStringList& installed);
// The first of `candidates` that `isFixedPitch` accepts; "" when none does.
QString FirstFixedPitchFamily(const QStringList& candidates,
                              const std::function<bool(const QString&)>& isFixedPitch);
// `family` ("Tahoma", "DokChampa", ...) where installed, otherwise the default UI font.
QFont InterfaceFont(const QString& family, int pointSize = 0);

}  // namespace valdora
