#pragma once

#include <QString>

// The rules, in the program's language, as rich text.
QString RulesText();
