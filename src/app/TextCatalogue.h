#pragma once

#include <QString>

namespace app {

// The text shown for a catalogue entry. The section and key name the entry; the text is the French
// text written at the point of use, with "{CR}" standing for a line break. "%1" is left for the caller.
// Line breaks come back as "\r", as the dialogs expect them.
QString GetText(const QString& section, const QString& key, const QString& text);

} // namespace app
