#pragma once

// A test speaks one language for a while: installed before the window under test is built,
// Russian, the program's own, back once the scope ends.

#include "ui/language.h"

#include <QCoreApplication>

struct LanguageScope
{
    explicit LanguageScope(velmora::ui::Language language)
    {
        if (!velmora::ui::installLanguage(*QCoreApplication::instance(), language, {}))
            qFatal("the English translation is not embedded");
    }
    ~LanguageScope()
    {
        (void)velmora::ui::installLanguage(*QCoreApplication::instance(),
                                           velmora::ui::Language::Russian, {});
    }
};

inline constexpr velmora::ui::Language kBothLanguages[] = {velmora::ui::Language::Russian,
                                                           velmora::ui::Language::English};
