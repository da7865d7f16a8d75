// SPDX-License-Identifier: MIT
// Screen measures and fonts shared by the windows: twips (1/1440 inch) to pixels at the
// screen's logical DPI, and the fixed-pitch and interface fonts.
#pragma once

#include <QFont>
#include <QStringList>
#include <functional>

class QPushButton;
class QString;
class QWidget;

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

// The width `button` needs to show `caption` whole in its font and style (without the
// style's minimum button width).
int ButtonCaptionWidth(const QPushButton* button, const QString& caption);
// `twips` in pixels, or the width `button` needs for `caption` when that is more: a
// described width never cuts a caption.
int ButtonWidthAtLeast(const QPushButton* button, const QString& caption, int twips);

// The width a widget needs to show its whole caption, in pixels; 0 for a widget without one
// (or a word-wrapped or rich-text label).
int CaptionWidthNeeded(const QWidget* widget);
// Gives every button, option and check box below `root` at least the width of its caption,
// so that a layout squeezes none of them below it (to be run again after a caption changes).
void KeepCaptionsWhole(QWidget* root);

}  // namespace valdora
