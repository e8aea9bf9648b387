#pragma once

#include <QLocale>

// The language of the user interface: LUMIVEX_LANGUAGE (en, ja) when it is
// set, else the user's locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
QLocale UiLocale();

// Makes locale's language the language of every text the program shows: its
// own catalogue, compiled into the program, and Qt's for the standard dialogs.
// Replaces the language set before; texts shown already change when their
// window translates them again. English needs no catalogue: the texts are
// written in it.
void SetUiLanguage(const QLocale& locale);

// The language SetUiLanguage set last; English before it is called.
QLocale::Language CurrentUiLanguage();
