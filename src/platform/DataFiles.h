#pragma once

#include <QString>
#include <QStringList>

// Where the programs find the read-only files that come with them (option.ini,
// the serial channel settings, the help file). In a build tree, or a copy of a
// program with its files, they lie beside the program; an installed program
// finds them in the data folders, in this order:
//   the program's folder itself,
//   $XDG_DATA_HOME/lumivex and each $XDG_DATA_DIRS entry + /lumivex,
//   <installation prefix>/share/lumivex, found from the program's folder, so
//   that an installation under any prefix finds its own files.
QStringList DataFolders(const QString& programFolder);

// Where the installed documents are (the user's guide): doc/lumivex under
// $XDG_DATA_HOME and each $XDG_DATA_DIRS entry, then <installation
// prefix>/share/doc/lumivex, found from the program's folder as above.
QStringList DocFolders(const QString& programFolder);

// The first of the data folders that holds name; the path beside the program
// when none does, so that a missing file is looked for, and named, there.
QString DataFilePath(const QString& programFolder, const QString& name);
