#pragma once

class QCoreApplication;

// Chooses the language the game speaks from the desktop's locale and installs its catalogues
// in `app`: the game's own, compiled in, and Qt's for its standard buttons and the command-line
// parser, from Qt's translations folder. English needs none. A catalogue that cannot be found
// leaves its texts in English; the game's own is always there.
void InstallCatalogues(QCoreApplication& app);
