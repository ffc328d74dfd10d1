#pragma once
// The core's texts in the user's language.
//
// The core is written in English and knows nothing of languages. A text a user
// sees is marked MERVAN_TEXT(context, text), which leaves the text as it is and
// lets lupdate collect it under that context; arguments are %1, %2, ... in the
// text, filled in by Filled after the text is translated. Functions that make
// such texts take a Translator: the default gives the English text back, the
// windows and the console pass one that asks Qt's translations.

#include <functional>
#include <initializer_list>
#include <string>

#define MERVAN_TEXT(context, text) text

struct Translator
{
    // From a context and an English text (both as marked) to the text to show;
    // empty: the English text.
    std::function<std::string(const char *context, const char *text)> translate;

    std::string operator()(const char *context, const char *text) const
    {
        return translate ? translate(context, text) : std::string(text);
    }
};

// text with each %1 ... %9 replaced by the argument of that number (an
// argument's own % signs stay as they are).
std::string Filled(const std::string &text, std::initializer_list<std::string> arguments);
