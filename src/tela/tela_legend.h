// Texts of the language library as the widgets show them: the library is UTF-8. A legend
// marks its mnemonic with "&" ("&&" is a plain ampersand), the way the controls take it.
#pragma once

#include <QString>

#include <string>

class QWidget;

// Where the texts come from: the program's language library, named once at start-up, so
// that the controls need nothing below them but Qt. Until then every text is empty.
using TelaTextLookup = std::string (*)(int id);
void telaSetTextLookup(TelaTextLookup lookup);

// The text of a string id, or the empty text when the library has none.
QString telaLegendText(int id);

// A legend as a text that takes no mnemonic shows it: "&&" as "&", the mark left out.
QString telaWithoutMnemonic(const QString& legend);
// A legend without its mnemonic mark and without a closing colon: for window titles,
// column titles, list entries and the names screen readers read.
QString telaPlainText(const QString& legend);
QString telaPlainLegend(int id);

// Replaces the texts of a window made from a layout by those of the language library,
// named in the layout by dynamic properties on the window, its widgets and its actions:
// "legend" (the text, title or caption), "promptLegend" (the status bar prompt) and
// "spokenLegend" (the name a screen reader reads). A text the library lacks keeps the
// layout's own, so that a missing library leaves the program's built-in texts.
void telaApplyLegends(QWidget& window);
