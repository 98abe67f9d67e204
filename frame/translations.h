// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QCoreApplication;
class QTranslator;

namespace frame {

// The languages the desktop asks for, most wanted first, as Qt names them ("de_DE", "fr"): the GNU
// LANGUAGE list, then LC_ALL, LC_MESSAGES and LANG. Empty under the C or POSIX locale, which like
// gettext ignores LANGUAGE and keeps the texts as written.
QStringList DesktopLanguages();

// Loads the games' catalogue for the first of languages that has one into translator. English, the
// language the texts are written in, ends the search without a catalogue; so does an empty list.
// Returns the language loaded ("de"), or an empty string.
QString LoadCatalogue(QTranslator& translator, const QStringList& languages);

// Installs the games' catalogue and Qt's own (standard buttons) for the desktop's language into app.
// Called once at start, before any window is made.
void InstallTranslations(QCoreApplication& app);

}  // namespace frame

class QLabel;

namespace frame {

// Lets a label of a fixed design keep a translated text whole: a text wider than the label first widens it
// (to the left, the right or both, as it is aligned) within its parent's parentWidth, then takes a smaller
// font, down to 7 points (9 pixels). A text that fits, as every English one does, changes nothing.
void FitText(QLabel* label, int parentWidth);

}  // namespace frame
