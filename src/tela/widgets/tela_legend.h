// Texts of the language library as the widgets show them: the library is UTF-8.
#pragma once

#include <QString>

// The text of a string id, or the empty text when the library has none.
QString telaLegendText(int id);
