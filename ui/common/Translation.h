// SPDX-License-Identifier: GPL-3.0-or-later
// The program's texts in the user's language.
#pragma once

class QCoreApplication;
class QLocale;

namespace Translation {

// Installs Qt's own translation and Quovella's for the first of the locale's UI
// languages that has one, replacing what an earlier call installed. English, the
// language the texts are written in, installs nothing. Call it before any window is
// made: windows take their texts as they are built.
void Install(QCoreApplication &app, const QLocale &locale);

} // namespace Translation
